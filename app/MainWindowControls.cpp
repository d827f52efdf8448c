#include "MainWindowControls.h"

#include "C_ProgressBar.h"
#include "Form.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"

#include <QCheckBox>
#include <QCoreApplication>
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
    f.get(c.titleStrip, "SimpControl2");
    f.get(c.closeButton, "btnClose");
    f.get(c.importButton, "btnImport");
    f.get(c.saveButton, "btnSave");
    f.get(c.uploadButton, "btnUpload");
    f.get(c.undoButton, "SimpControl4");
    f.get(c.redoButton, "SimpControl7");
    f.get(c.saveModeButtons, "btnSaveMode");
    f.get(c.modeChangeButtons, "btnModeChange");
    f.get(c.lockButton, "btnLock");
    f.get(c.groupTabs, "btnMode");
    f.get(c.panelsTab, "btnParaShow");
    f.get(c.groupMarker, "btnShowSub1");
    f.get(c.modeNumber, "btnShowMode");
    f.get(c.modeUp, "btnUp1");
    f.get(c.modeDown, "btnDown1");
    f.get(c.inputArrows, "btnStartModeI");
    f.get(c.inputDisplay, "btnInput");
    f.get(c.startModeArrows, "btnStartModeD");
    f.get(c.startModeDisplay, "btnShowStartMode");
    f.get(c.fourWayDisplay, "btnFBX");
    f.get(c.fourWayUp, "btnUp2");
    f.get(c.fourWayDown, "btnDown2");
    f.get(c.connectionLamp, "MShowProgress");
    f.get(c.graph, "Picture1");
    f.get(c.transferProgress, "C_ProgressBar1");
    f.get(c.frequencyKnob, "MKnobFreq");
    f.get(c.gainKnob, "MKnobDb");
    f.get(c.qKnob, "MKnobQ");
    f.get(c.bandLineLeft, "sLine1");
    f.get(c.bandLineRight, "sLine2");
    f.get(c.bandName, "btnShowPointN");
    f.get(c.previousBand, "btnLeft1");
    f.get(c.nextBand, "btnRight1");
    f.get(c.bypassButton, "btnEQByPass");
    f.get(c.groupResetButton, "btnReset");
    f.get(c.toneKey, "ScrollTone");
    f.get(c.bandPanel, "Frame1");
    f.get(c.parameterPanels, "Frame2");
    f.get(c.panelTabStrips, "SimpControl6");
    f.get(c.bandMarkers, "btnShowDot1");
    f.get(c.bandReadouts, "ShowNumberDot");
    f.get(c.bandValueEntry, "Text1");
    f.get(c.sliders, "MyScrollBar");
    f.get(c.digitDisplays, "MyNumber");
    f.get(c.twoWayButtons, "MyButton");
    f.get(c.redrawMeterCheck, "Check2");
    f.get(c.resizeGrip, "Label1");
    f.get(c.noticeLine, "Label2");
    if (!f.missing().isEmpty()) {
        error = QCoreApplication::translate("MainWindowControls",
                                            "The window design has no control %1.")
                    .arg(f.missing());
        return std::nullopt;
    }
    return c;
}
