#include "StandardFormClasses.h"

#include "FormLoader.h"
#include "FormPropertyReader.h"
#include "FormTimer.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace {

constexpr int RgbMax = 0xFFFFFF;
constexpr int TimerIntervalMax = 65535;
constexpr double FontSizeMax = 200.0;

} // namespace

void readFormColours(QWidget* widget, FormPropertyReader& properties)
{
    QPalette palette = widget->palette();
    const auto colour = [&properties](QStringView key) -> std::optional<QColor> {
        if (!properties.has(key)) {
            return std::nullopt;
        }
        return QColor::fromRgb(QRgb(0xFF000000u | quint32(properties.integer(key, 0, 0, RgbMax))));
    };
    if (const std::optional<QColor> fore = colour(u"ForeColor")) {
        palette.setColor(QPalette::WindowText, *fore);
        palette.setColor(QPalette::Text, *fore);
    }
    if (const std::optional<QColor> back = colour(u"BackColor")) {
        palette.setColor(QPalette::Window, *back);
        palette.setColor(QPalette::Base, *back);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

namespace {

Qt::Alignment readAlignment(FormPropertyReader& properties)
{
    // 0 left, 1 right, 2 centred, as the window's designs number them.
    constexpr std::array<Qt::AlignmentFlag, 3> horizontal{Qt::AlignLeft, Qt::AlignRight,
                                                          Qt::AlignHCenter};
    return horizontal[properties.integer(u"Alignment", 0, 0, 2)];
}

void readFont(QWidget* widget, FormPropertyReader& properties)
{
    QFont font = widget->font();
    if (properties.has(u"FontSize")) {
        font.setPointSizeF(properties.number(u"FontSize", font.pointSizeF(), 1.0, FontSizeMax));
    }
    font.setBold(properties.boolean(u"FontBold", false));
    widget->setFont(font);
}

FormClass plainClass(FormClass::Kind kind,
                     std::function<QWidget*(QWidget*, FormPropertyReader&)> create)
{
    FormClass formClass;
    formClass.kind = kind;
    formClass.create = [create](QWidget* parent, FormPropertyReader& properties) -> QObject* {
        return create(parent, properties);
    };
    return formClass;
}

QWidget* makePanel(QWidget* parent, FormPropertyReader& properties)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    readFormColours(panel, properties);
    return panel;
}

QWidget* makeLabel(QWidget* parent, FormPropertyReader& properties)
{
    auto* label = new QLabel(parent);
    label->setText(properties.text(u"Caption", QString()));
    label->setAlignment(readAlignment(properties) | Qt::AlignTop);
    label->setWordWrap(true);
    readFormColours(label, properties);
    readFont(label, properties);
    return label;
}

QWidget* makeTextBox(QWidget* parent, FormPropertyReader& properties)
{
    auto* edit = new QLineEdit(parent);
    edit->setText(properties.text(u"Text", QString()));
    edit->setAlignment(readAlignment(properties) | Qt::AlignVCenter);
    readFormColours(edit, properties);
    readFont(edit, properties);
    return edit;
}

QWidget* makeCheckBox(QWidget* parent, FormPropertyReader& properties)
{
    auto* box = new QCheckBox(parent);
    box->setText(properties.text(u"Caption", QString()));
    // 0 unchecked, 1 checked, 2 greyed.
    const int state = int(properties.integer(u"Value", 0, 0, 2));
    box->setTristate(state == 2);
    box->setCheckState(state == 0   ? Qt::Unchecked
                       : state == 1 ? Qt::Checked
                                    : Qt::PartiallyChecked);
    readFormColours(box, properties);
    return box;
}

FormClass timerClass()
{
    FormClass formClass;
    formClass.kind = FormClass::Kind::Timer;
    formClass.create = [](QWidget* parent, FormPropertyReader& properties) -> QObject* {
        const int interval = int(properties.integer(u"Interval", 0, 0, TimerIntervalMax));
        const bool enabled = properties.boolean(u"Enabled", true);
        auto* timer = new FormTimer(enabled, properties.text(u"Note", QString()), parent);
        timer->setInterval(interval);
        return timer;
    };
    return formClass;
}

} // namespace

void addStandardFormClasses(FormLoader& loader)
{
    loader.registerClass(QStringLiteral("Frame"),
                         plainClass(FormClass::Kind::Container, makePanel));
    loader.registerClass(QStringLiteral("PictureBox"),
                         plainClass(FormClass::Kind::Control, makePanel));
    loader.registerClass(QStringLiteral("Label"), plainClass(FormClass::Kind::Control, makeLabel));
    loader.registerClass(QStringLiteral("TextBox"),
                         plainClass(FormClass::Kind::Control, makeTextBox));
    loader.registerClass(QStringLiteral("CheckBox"),
                         plainClass(FormClass::Kind::Control, makeCheckBox));
    loader.registerClass(QStringLiteral("Timer"), timerClass());
}
