#include "ButtonPainter.h"

#include "SkinStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

using Look = SkinStyle::KeyLook;

// The group tabs in id order (normal, selected), then the parameter-panels tab.
constexpr std::array<const char*, 9> TabLabels{"音乐", "话筒1-2", "话筒3", "效果", "中置",
                                               "环绕", "低音",    "录音",  "参数"};
constexpr int FirstTabId = 118;
constexpr int LastTabId = 135;

int labelPixelSize(int height)
{
    if (height >= 40)
        return 14;
    if (height >= 33)
        return 13;
    return 12;
}

} // namespace

const ButtonPainter::Key* ButtonPainter::findKey(int id)
{
    static const std::array<Key, 23> keys{{
        {102, Icon::Close, "", 5, false, false},
        {104, Icon::Import, "导入", 5, false, false},
        {108, Icon::Upload, "上传", 5, false, false},
        {319, Icon::Save, "保存", 5, false, false},
        {136, Icon::Undo, "", 5, false, false},
        {138, Icon::Redo, "", 5, false, false},
        {140, Icon::None, "EQ", 5, true, true},
        {142, Icon::Reset, "复位", 5, false, false},
        {145, Icon::Left, "", 6, false, false},
        {147, Icon::Right, "", 6, false, false},
        // 149 shows the open padlock (state 0), 150 the closed one (state 1, lit).
        {149, Icon::LockOpen, "", 5, true, false},
        {153, Icon::Down, "", 4, false, false},
        {155, Icon::Up, "", 4, false, false},
        {284, Icon::Down, "", 4, false, false},
        {286, Icon::Up, "", 4, false, false},
        {233, Icon::None, "关", 4, true, true},
        {235, Icon::None, "开", 4, true, true},
        {301, Icon::None, "正相", 4, true, true},
        {303, Icon::None, "反相", 4, true, true},
        {288, Icon::None, "手动", 4, true, true},
        {290, Icon::None, "自动", 4, true, true},
        {239, Icon::None, "固定", 4, true, true},
        {237, Icon::None, "切换", 4, true, true},
    }};
    for (const Key& key : keys) {
        if (id == key.firstId || id == key.firstId + 1)
            return &key;
    }
    return nullptr;
}

bool ButtonPainter::paint(int id, QPainter& p, const QSize& size) const
{
    if (id >= FirstTabId && id <= LastTabId) {
        paintTab(id, p, size);
        return true;
    }
    const Key* key = findKey(id);
    if (key == nullptr)
        return false;
    paintKey(*key, id == key->firstId + 1, p, size);
    return true;
}

void ButtonPainter::paintKey(const Key& key, bool second, QPainter& p, const QSize& size) const
{
    const bool selected = second && key.secondIsSelected;
    const Look look{second, selected};
    const QRect face = SkinStyle::drawKey(p, QRect(QPoint(0, 0), size), key.radius, look,
                                          static_cast<quint32>(key.firstId));
    QColor ink = second ? SkinStyle::labelPressed() : SkinStyle::label();
    if (selected)
        ink = SkinStyle::accent();
    if (key.icon == Icon::Close && second)
        ink = SkinStyle::offline();

    Icon icon = key.icon;
    if (icon == Icon::LockOpen && second)
        icon = Icon::LockClosed;

    const QString text = QString::fromUtf8(key.text);
    const QFont font = SkinStyle::labelFont(text, labelPixelSize(size.height()), true);
    const int textWidth = text.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(text);
    const int iconSide = text.isEmpty() ? std::min(face.width(), face.height()) * 7 / 10 : 16;
    const int ledSide = key.led ? 7 : 0;
    const int gap = 5;
    int lead = icon != Icon::None ? iconSide : ledSide;
    const int total = lead + (lead > 0 && textWidth > 0 ? gap : 0) + textWidth;
    const double left = face.left() + (face.width() - total) / 2.0;
    const double midY = face.top() + face.height() / 2.0;

    if (icon != Icon::None) {
        paintIcon(icon, p, QRectF(left, midY - iconSide / 2.0, iconSide, iconSide), ink);
    } else if (key.led) {
        SkinStyle::drawLamp(p, QPointF(left + ledSide / 2.0, midY), ledSide / 2.0 - 0.5,
                            SkinStyle::accent(), selected);
    }
    if (!text.isEmpty()) {
        const double textLeft = left + lead + (lead > 0 ? gap : 0);
        SkinStyle::drawLabel(p, QRectF(textLeft, face.top(), textWidth + 2, face.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, text, font, ink);
    }
}

void ButtonPainter::paintTab(int id, QPainter& p, const QSize& size) const
{
    const int index = (id - FirstTabId) / 2;
    const bool selected = (id - FirstTabId) % 2 == 1;
    const QRect face = SkinStyle::drawKey(p, QRect(QPoint(0, 0), size), 6, Look{selected, selected},
                                          static_cast<quint32>(FirstTabId + index * 2));
    const QString text = QString::fromUtf8(TabLabels[static_cast<std::size_t>(index)]);
    const QRect labelBox = face.adjusted(0, 0, 0, -8);
    SkinStyle::drawLabel(p, labelBox, Qt::AlignCenter, text, SkinStyle::cjkFont(16, true),
                         selected ? SkinStyle::accent() : SkinStyle::label());
    // The lamp bar under the label lights with the accent on the selected tab.
    const QPointF from(face.left() + 16, face.bottom() - 4);
    const QPointF to(face.right() - 16, face.bottom() - 4);
    if (selected) {
        SkinStyle::drawGlow(p, QPointF(face.center().x() + 0.5, face.bottom() - 4),
                            face.width() / 2.0, SkinStyle::accent(), 60);
        SkinStyle::drawLitSlot(p, from, to, 3);
    } else {
        // Unlit: a dark lamp bar set into the face, not a hole.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF bar(from.x() - 1.5, from.y() - 1.5, to.x() - from.x() + 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawRoundedRect(bar.translated(0, 1), 1.5, 1.5);
        p.setBrush(QColor(0x17, 0x18, 0x1B));
        p.drawRoundedRect(bar, 1.5, 1.5);
        p.restore();
    }
}

void ButtonPainter::paintIcon(Icon icon, QPainter& p, const QRectF& box, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    const double s = box.width() / 16.0; // icons are drawn on a 16 x 16 grid
    p.scale(s, s);
    QPen pen(colour, 1.8 / std::max(s, 0.8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (icon) {
    case Icon::Close:
        path.moveTo(3.5, 3.5);
        path.lineTo(12.5, 12.5);
        path.moveTo(12.5, 3.5);
        path.lineTo(3.5, 12.5);
        break;
    case Icon::Import:
        // Into the tray: arrow down.
        path.moveTo(8, 1.5);
        path.lineTo(8, 10);
        path.moveTo(4.5, 6.8);
        path.lineTo(8, 10.3);
        path.lineTo(11.5, 6.8);
        path.moveTo(1.5, 10);
        path.lineTo(1.5, 14.5);
        path.lineTo(14.5, 14.5);
        path.lineTo(14.5, 10);
        break;
    case Icon::Upload:
        // Out of the tray towards the processor: arrow up.
        path.moveTo(8, 11);
        path.lineTo(8, 1.8);
        path.moveTo(4.5, 5.2);
        path.lineTo(8, 1.7);
        path.lineTo(11.5, 5.2);
        path.moveTo(1.5, 10);
        path.lineTo(1.5, 14.5);
        path.lineTo(14.5, 14.5);
        path.lineTo(14.5, 10);
        break;
    case Icon::Save:
        path.moveTo(1.8, 1.8);
        path.lineTo(11.8, 1.8);
        path.lineTo(14.2, 4.2);
        path.lineTo(14.2, 14.2);
        path.lineTo(1.8, 14.2);
        path.closeSubpath();
        path.moveTo(4.5, 2);
        path.lineTo(4.5, 5.8);
        path.lineTo(10.5, 5.8);
        path.lineTo(10.5, 2);
        path.addRect(QRectF(4.5, 9.2, 7, 5));
        break;
    case Icon::Undo:
    case Icon::Redo: {
        if (icon == Icon::Redo) {
            p.translate(16, 0);
            p.scale(-1, 1);
        }
        path.moveTo(3, 6);
        path.lineTo(10, 6);
        path.cubicTo(16, 6, 16, 14, 10, 14);
        path.lineTo(6, 14);
        path.moveTo(6, 2.6);
        path.lineTo(2.6, 6);
        path.lineTo(6, 9.4);
        break;
    }
    case Icon::Reset:
        path.arcMoveTo(QRectF(2, 2, 12, 12), 60);
        path.arcTo(QRectF(2, 2, 12, 12), 60, 290);
        path.moveTo(12.2, 0.8);
        path.lineTo(11.1, 3.6);
        path.lineTo(14.2, 4.4);
        break;
    case Icon::Left:
        path.moveTo(10, 3);
        path.lineTo(5, 8);
        path.lineTo(10, 13);
        break;
    case Icon::Right:
        path.moveTo(6, 3);
        path.lineTo(11, 8);
        path.lineTo(6, 13);
        break;
    case Icon::Up:
    case Icon::Down: {
        // Placed by eye between box and centroid, so the arrow looks centred on the key.
        QPainterPath triangle;
        if (icon == Icon::Up) {
            triangle.moveTo(8, 3);
            triangle.lineTo(14, 11);
            triangle.lineTo(2, 11);
        } else {
            triangle.moveTo(8, 13);
            triangle.lineTo(14, 5);
            triangle.lineTo(2, 5);
        }
        triangle.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(triangle);
        break;
    }
    case Icon::LockOpen:
    case Icon::LockClosed: {
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(2.5, 7.5, 11, 8), 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen);
        if (icon == Icon::LockClosed) {
            path.moveTo(4.8, 7.5);
            path.lineTo(4.8, 5);
            path.arcTo(QRectF(4.8, 1.5, 6.4, 7), 180, -180);
            path.lineTo(11.2, 7.5);
        } else {
            path.moveTo(11.2, 7.5);
            path.lineTo(11.2, 4.5);
            path.arcTo(QRectF(11.2, 1, 6.4, 7), 180, -180);
            path.lineTo(17.6, 5.5);
        }
        break;
    }
    case Icon::None:
        break;
    }
    p.drawPath(path);
    p.restore();
}
