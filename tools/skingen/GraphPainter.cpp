#include "GraphPainter.h"

#include "SeededNoise.h"
#include "SkinStyle.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {

constexpr int BackgroundId = 297;
constexpr int BypassBannerId = 321;

// The plot geometry the graph uses at its natural size: gain from +16 dB at row 10 to -16 dB at
// row 350, frequency logarithmic with 10 Hz at x = -60 and 22 kHz at x = 1528.
constexpr int PlotTop = 10;
constexpr int PlotBottom = 350;
constexpr double PlotRight = 1588.0;
constexpr double LeftOffset = 60.0;
constexpr double TopFrequency = 22000.0;

} // namespace

bool GraphPainter::paint(int id, QPainter& p, const QSize& size) const
{
    if (id == BackgroundId)
        paintBackground(p, size);
    else if (id == BypassBannerId)
        paintBypassBanner(p, size);
    else
        return false;
    return true;
}

double GraphPainter::frequencyToX(double hertz)
{
    const double pixelsPerDecade = PlotRight / (std::log10(TopFrequency) - 1.0);
    return (std::log10(hertz) - 1.0) * pixelsPerDecade - LeftOffset;
}

void GraphPainter::paintBackground(QPainter& p, const QSize& size)
{
    const int w = size.width();
    const int h = size.height();
    // The screen: near-black with a faint blue cast and a fine grain against banding.
    QImage screen(size, QImage::Format_ARGB32_Premultiplied);
    const SeededNoise noise(BackgroundId);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
        const bool inPlot = y > PlotTop && y < PlotBottom;
        const double shade = inPlot ? 3.0 * (1.0 - std::abs(y - 180.0) / 170.0) : 0.0;
        for (int x = 0; x < w; ++x) {
            const double n = 1.2 * noise.grain(x, y) + shade;
            const int base = inPlot ? 0x15 : 0x10;
            line[x] = qRgb(std::clamp(static_cast<int>(base + n), 0, 255),
                           std::clamp(static_cast<int>(base + 2 + n), 0, 255),
                           std::clamp(static_cast<int>(base + 6 + n), 0, 255));
        }
    }
    p.drawImage(0, 0, screen);

    // Alternate decades a shade lighter, so the eye finds 100 Hz and 10 kHz without a label.
    for (double decade : {10.0, 1000.0}) {
        const int from = static_cast<int>(std::lround(std::max(0.0, frequencyToX(decade))));
        const int to =
            static_cast<int>(std::lround(std::min<double>(w, frequencyToX(decade * 10))));
        p.fillRect(QRect(from, PlotTop + 1, to - from, PlotBottom - PlotTop - 1),
                   QColor(255, 255, 255, 5));
    }
    // The ±15 dB bands are the edge of the range: shaded a little darker.
    const double dbPerPixel = 32.0 / (PlotBottom - PlotTop);
    const int edge = static_cast<int>(std::lround(1.0 / dbPerPixel));
    p.fillRect(QRect(0, PlotTop + 1, w, edge), QColor(0, 0, 0, 40));
    p.fillRect(QRect(0, PlotBottom - edge, w, edge), QColor(0, 0, 0, 40));

    // Plot limits and the label strip under the plot.
    SkinStyle::hLine(p, 0, w - 1, PlotTop, QColor(0x2C, 0x31, 0x38));
    SkinStyle::hLine(p, 0, w - 1, PlotBottom, QColor(0x2C, 0x31, 0x38));
    p.fillRect(QRect(0, PlotBottom + 1, w, h - PlotBottom - 1), QColor(0, 0, 0, 70));
    SkinStyle::hLine(p, 0, w - 1, PlotBottom + 1, QColor(0, 0, 0, 120));

    // Vignette: the corners fall off a little, as on a lit screen.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient vignette(QPointF(w / 2.0, h / 2.0), w * 0.62);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(QRect(0, 0, w, h), vignette);
    p.restore();

    // A recessed bezel: dark upper and left edges, a light lower edge.
    SkinStyle::hLine(p, 0, w - 1, 0, QColor(0, 0, 0));
    SkinStyle::hLine(p, 1, w - 2, 1, QColor(0, 0, 0, 110));
    SkinStyle::vLine(p, 0, 0, h - 1, QColor(0, 0, 0));
    SkinStyle::vLine(p, w - 1, 0, h - 1, QColor(0, 0, 0, 180));
    SkinStyle::hLine(p, 0, w - 1, h - 1, QColor(255, 255, 255, 36));
}

void GraphPainter::paintBypassBanner(QPainter& p, const QSize& size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(QColor(0xFA, 0xBA, 0x00, 190), 1.5));
    p.setBrush(QColor(0x0A, 0x0B, 0x0E, 185));
    p.drawPath(SkinStyle::roundedRect(plate, 8));
    // Accent bars at both ends, the warning's only ornament.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFA, 0xBA, 0x00, 200));
    p.drawRoundedRect(QRectF(12, 14, 4, size.height() - 28), 2, 2);
    p.drawRoundedRect(QRectF(size.width() - 16, 14, 4, size.height() - 28), 2, 2);
    p.restore();
    SkinStyle::drawLabel(p, QRectF(0, 5, size.width(), 28), Qt::AlignCenter,
                         QStringLiteral("EQ BYPASS"), SkinStyle::latinFont(21, true),
                         SkinStyle::accent());
    SkinStyle::drawLabel(p, QRectF(0, 32, size.width(), 20), Qt::AlignCenter,
                         QStringLiteral("均衡旁通"), SkinStyle::cjkFont(14, true),
                         QColor(0xE6, 0xE8, 0xEB, 230));
}
