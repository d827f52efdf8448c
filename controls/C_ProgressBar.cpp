#include "C_ProgressBar.h"

#include "ProgressBarColumns.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace {

// The message starts 250 pixels left of the centre and 3 from the top, so it is centred when
// it is 500 pixels wide; its font is sized to that width, within the bar's height.
constexpr int MessageLeftOfCentre = 250;
constexpr int MessageTop = 3;
constexpr int MinimumMessagePixels = 9;

QFont messageFont(QFont font, int barHeight)
{
    font.setBold(true);
    constexpr int probe = 16;
    font.setPixelSize(probe);
    const int advance = QFontMetrics(font).horizontalAdvance(C_ProgressBar::message());
    if (advance > 0) {
        const int fitting = probe * 2 * MessageLeftOfCentre / advance;
        const int tallest = std::max(barHeight - 2 * MessageTop, MinimumMessagePixels);
        font.setPixelSize(std::clamp(fitting, MinimumMessagePixels, tallest));
    }
    return font;
}

qint16 toInt16(int value)
{
    return qint16(std::clamp<int>(value, std::numeric_limits<qint16>::min(),
                                  std::numeric_limits<qint16>::max()));
}

} // namespace

QString C_ProgressBar::message()
{
    return tr("Data synchronization under process. Please wait…");
}

C_ProgressBar::C_ProgressBar(SkinImages& skin, QWidget* parent)
    : SkinnedControl(skin, parent)
{
    setMinimumHeight(MinimumHeight);
}

void C_ProgressBar::setValue(int value)
{
    m_value = std::min(toInt16(value), m_maxValue);
    invalidate();
}

void C_ProgressBar::setMaxValue(int maxValue)
{
    m_maxValue = toInt16(maxValue);
    invalidate();
}

void C_ProgressBar::render(QPainter& painter)
{
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), QColor::fromRgb(Background));
    const QColor frame = QColor::fromRgb(FrameColour);
    painter.fillRect(QRect(0, 0, w, 1), frame);
    painter.fillRect(QRect(0, h - 1, w, 1), frame);
    painter.fillRect(QRect(0, 0, 1, h), frame);
    painter.fillRect(QRect(w - 1, 0, 1, h), frame);

    const QList<quint32> columns = progressBarColumns(w, m_value, m_maxValue);
    for (int i = 0; i < columns.size(); ++i) {
        painter.fillRect(QRect(1 + i, 1, 1, h - 2),
                         QColor::fromRgb(QRgb(0xFF000000u | columns[i])));
    }

    painter.setFont(messageFont(font(), h));
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(w / 2 - MessageLeftOfCentre, MessageTop, w + 2 * MessageLeftOfCentre, h - MessageTop),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, message());
}
