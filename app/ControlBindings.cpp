#include "ControlBindings.h"

#include "ParamBlocks.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"

#include <QCoreApplication>

namespace {

class BindingReader
{
public:
    explicit BindingReader(QString& error)
        : m_error(error)
    {}

    bool ok() const { return m_error.isEmpty(); }

    // A selector or button: an address literal.
    int address(const QString& name, const SimpControl* control)
    {
        const auto address = TagNew::parseAddress(control->tagNew());
        if (!address) {
            fail(name, control->tagNew());
            return 0;
        }
        return *address;
    }

    template <class Binding>
    std::optional<Binding> scoped(const QString& name, const QString& tag,
                                  std::optional<Binding> (*parse)(QStringView))
    {
        if (tag.isEmpty() || !ok()) {
            return std::nullopt;
        }
        const std::optional<Binding> binding = parse(tag);
        if (!binding) {
            fail(name, tag);
        } else if ((binding->scope == TagNew::Scope::Common) != isCommonAddress(binding->address)) {
            fail(name, tag,
                 QCoreApplication::translate("ControlBindings",
                                             "whose scope does not match its address"));
        }
        return binding;
    }

private:
    void fail(const QString& name, const QString& tag,
              const QString& why = QCoreApplication::translate("ControlBindings",
                                                               "which does not name a parameter"))
    {
        if (ok()) {
            m_error = QCoreApplication::translate("ControlBindings",
                                                  "The window design binds %1 to \"%2\", %3.")
                          .arg(name, tag, why);
        }
    }

    QString& m_error;
};

QString element(const char* name, std::size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

std::optional<ControlBindings> ControlBindings::read(const MainWindowControls& c, QString& error)
{
    BindingReader reader(error);
    ControlBindings b;
    for (std::size_t i = 0; i < c.sliders.size(); ++i) {
        b.sliders[i] =
            reader.scoped(element("MyScrollBar", i), c.sliders[i]->tagNew(), &TagNew::parseSlider);
    }
    for (std::size_t i = 0; i < c.digitDisplays.size(); ++i) {
        b.displays[i] = reader.scoped(element("MyNumber", i), c.digitDisplays[i]->tagNew(),
                                      &TagNew::parseDisplay);
    }
    for (std::size_t i = 0; i < c.twoWayButtons.size(); ++i) {
        b.buttons[i] = reader.address(element("MyButton", i), c.twoWayButtons[i]);
    }
    b.input = reader.address(QStringLiteral("btnInput"), c.inputDisplay);
    b.saveMode = reader.address(QStringLiteral("btnSaveMode(0)"), c.saveModeButtons[0]);
    b.modeChange = reader.address(QStringLiteral("btnModeChange(0)"), c.modeChangeButtons[0]);
    b.startMode = reader.address(QStringLiteral("btnShowStartMode"), c.startModeDisplay);
    b.fourWay = reader.address(QStringLiteral("btnFBX"), c.fourWayDisplay);
    b.lock = reader.address(QStringLiteral("btnLock"), c.lockButton);
    if (!reader.ok()) {
        return std::nullopt;
    }
    return b;
}
