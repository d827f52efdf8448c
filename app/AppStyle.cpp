#include "AppStyle.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

namespace {

const QString ChineseFamily = QStringLiteral("Noto Sans CJK SC");
const QString MonospaceFamily = QStringLiteral("Noto Sans Mono CJK SC");
const QString MonospaceFallback = QStringLiteral("DejaVu Sans Mono");
const QColor CheckBoxOutlineBase(0x8A, 0x90, 0x99); // Fusion darkens it for the outline

} // namespace

void AppStyle::apply(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QColor panel(0x26, 0x29, 0x2E);
    const QColor base(0x14, 0x16, 0x19);
    const QColor text(0xDD, 0xE0, 0xE4);
    const QColor accent(0xFA, 0xBA, 0x00);
    QPalette palette;
    palette.setColor(QPalette::Window, panel);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, panel);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, panel.lighter(115));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, base);
    palette.setColor(QPalette::Disabled, QPalette::Text, text.darker(160));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, text.darker(160));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, text.darker(160));
    app.setPalette(palette);
}

QFont AppStyle::dialogFont()
{
    QFont font = QApplication::font();
    font.setFamilies({font.family(), ChineseFamily});
    return font;
}

QFont AppStyle::logFont()
{
    QFont font = QApplication::font();
    font.setFamilies({MonospaceFamily, MonospaceFallback});
    font.setStyleHint(QFont::Monospace);
    return font;
}

void AppStyle::showCheckBoxOutlines(QWidget& list)
{
    QPalette palette = list.palette();
    palette.setColor(QPalette::Window, CheckBoxOutlineBase);
    list.setPalette(palette);
}
