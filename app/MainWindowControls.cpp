#include "MainWindowControls.h"

#include "C_ProgressBar.h"
#include "Form.h"
#include "ScrollBar.h"
#include "ShowNumber.h"
#include "SimpControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// Looks controls up and remembers the first one the design lacks.
class Finder
{
public:
    explicit Finder(const Form& form)
        : m_form(form)
    {}

    template <class T>
    void get(T*& slot, const char* name, int index = -1)
    {
        slot = m_form.find<T>(QString::fromLatin1(name), index);
        if (!slot && m_missing.isEmpty()) {
            m_missing = index < 0 ? QString::fromLatin1(name)
                                  : QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
        }
    }

    template <class T, std::size_t N>
    void get(std::array<T*, N>& controls, const char* name)
    {
        for (std::size_t i = 0; i < N; ++i) {
            get(controls[i], name, int(i));
        }
    }

    const QString& missing() const { return m_missing; }

private:
    const Form& m_form;
    QString m_missing;
};

} // namespace

std::optional<MainWindowControls> MainWindowControls::find(const Form& form, QString& error)
{
    MainWindowControls c;
    Finder f(form);
    f.get(c.SimpControl2, "SimpControl2");
    f.get(c.btnClose, "btnClose");
    f.get(c.btnImport, "btnImport");
    f.get(c.btnSave, "btnSave");
    f.get(c.btnUpload, "btnUpload");
    f.get(c.SimpControl4, "SimpControl4");
    f.get(c.SimpControl7, "SimpControl7");
    f.get(c.btnSaveMode, "btnSaveMode");
    f.get(c.btnModeChange, "btnModeChange");
    f.get(c.btnLock, "btnLock");
    f.get(c.btnMode, "btnMode");
    f.get(c.btnParaShow, "btnParaShow");
    f.get(c.btnShowSub1, "btnShowSub1");
    f.get(c.btnShowMode, "btnShowMode");
    f.get(c.btnUp1, "btnUp1");
    f.get(c.btnDown1, "btnDown1");
    f.get(c.btnStartModeI, "btnStartModeI");
    f.get(c.btnInput, "btnInput");
    f.get(c.btnStartModeD, "btnStartModeD");
    f.get(c.btnShowStartMode, "btnShowStartMode");
    f.get(c.btnFBX, "btnFBX");
    f.get(c.btnUp2, "btnUp2");
    f.get(c.btnDown2, "btnDown2");
    f.get(c.MShowProgress, "MShowProgress");
    f.get(c.Picture1, "Picture1");
    f.get(c.C_ProgressBar1, "C_ProgressBar1");
    f.get(c.MKnobFreq, "MKnobFreq");
    f.get(c.MKnobDb, "MKnobDb");
    f.get(c.MKnobQ, "MKnobQ");
    f.get(c.sLine1, "sLine1");
    f.get(c.sLine2, "sLine2");
    f.get(c.btnShowPointN, "btnShowPointN");
    f.get(c.btnLeft1, "btnLeft1");
    f.get(c.btnRight1, "btnRight1");
    f.get(c.btnEQByPass, "btnEQByPass");
    f.get(c.btnReset, "btnReset");
    f.get(c.ScrollTone, "ScrollTone");
    f.get(c.Frame1, "Frame1");
    f.get(c.Frame2, "Frame2");
    f.get(c.SimpControl6, "SimpControl6");
    f.get(c.btnShowDot1, "btnShowDot1");
    f.get(c.ShowNumberDot, "ShowNumberDot");
    f.get(c.Text1, "Text1");
    f.get(c.MyScrollBar, "MyScrollBar");
    f.get(c.MyNumber, "MyNumber");
    f.get(c.MyButton, "MyButton");
    f.get(c.Check2, "Check2");
    f.get(c.Label1, "Label1");
    f.get(c.Label2, "Label2");
    if (!f.missing().isEmpty()) {
        error = QStringLiteral("The window design has no control %1.").arg(f.missing());
        return std::nullopt;
    }
    return c;
}
