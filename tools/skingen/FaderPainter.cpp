#include "FaderPainter.h"

#include "SkinStyle.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int FaderCapId = 175;
constexpr int VolumeCapId = 318;
constexpr int ToneKnobId = 218;
constexpr int BalanceThumbId = 241;
constexpr int BalanceThumbCentredId = 242;

// Frequency-knob positions (frequency index 0..241) of the marked frequencies: 20, 50, 100,
// 200, 500 Hz, 1, 2, 5, 10, 20 kHz; 100 Hz, 1 kHz and 10 kHz are the decades.
constexpr std::array<int, 10> FrequencyMarks{1, 16, 41, 51, 81, 131, 141, 171, 221, 241};
constexpr int FrequencySteps = 241;
// Gain-knob positions 0..150 are -15..+15 dB; one mark every 5 dB.
constexpr int GainSteps = 150;
// Q-knob positions 0..41; positions 9, 19 and 29 are Q 1, 2 and 3.
constexpr int QSteps = 41;

QColor tickColour(bool major)
{
    return major ? QColor(0xB8, 0xBD, 0xC4, 200) : QColor(0x8A, 0x90, 0x98, 150);
}

} // namespace

const FaderPainter::Track* FaderPainter::findTrack(int id)
{
    static const std::array<Track, 11> tracks{{
        {220, 322, true, 24, 280, 18.5, 5, Scale::Even, 9, ""},
        {221, 0, true, 18, 310, 23.0, 4, Scale::Tone, 11, ""},
        {272, 0, true, 16, 124, 20.5, 5, Scale::Even, 9, ""},
        {317, 0, true, 18, 148, 16.5, 5, Scale::Even, 9, ""},
        {299, 0, true, 20, 156, 18.5, 5, Scale::Even, 9, ""},
        {298, 323, false, 20, 209, 19.0, 4, Scale::Even, 11, ""},
        {243, 0, false, 28, 122, 15.5, 3, Scale::Balance, 5, ""},
        {244, 0, false, 28, 122, 15.5, 3, Scale::Balance, 5, ""},
        {245, 324, false, 56, 256, 22.0, 4, Scale::Frequency, 0, "频率"},
        {246, 324, false, 56, 256, 22.0, 4, Scale::Gain, 0, "增益"},
        {247, 324, false, 56, 256, 22.0, 4, Scale::QFactor, 0, "Q"},
    }};
    for (const Track& track : tracks) {
        if (track.id == id)
            return &track;
    }
    for (const Track& track : tracks) {
        if (track.litId == id)
            return &track;
    }
    return nullptr;
}

bool FaderPainter::paint(int id, QPainter& p, const QSize& size) const
{
    switch (id) {
    case FaderCapId:
        paintCap(p, size, false);
        return true;
    case VolumeCapId:
        paintCap(p, size, true);
        return true;
    case ToneKnobId:
        paintToneKnob(p, size);
        return true;
    case BalanceThumbId:
    case BalanceThumbCentredId:
        paintBalanceThumb(p, size, id == BalanceThumbCentredId);
        return true;
    default:
        break;
    }
    const Track* track = findTrack(id);
    if (track == nullptr)
        return false;
    if (track->id == id)
        paintTrack(*track, p, size);
    else
        paintLit(*track, p);
    return true;
}

void FaderPainter::paintTrack(const Track& track, QPainter& p, const QSize& size) const
{
    const bool knob = track.caption[0] != '\0';
    if (knob) {
        // The knob tracks sit on the bare window under the graph, so they bring their own plate.
        const QRectF plate(0.5, 0.5, size.width() - 1, size.height() - 1);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(SkinStyle::outline(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(SkinStyle::roundedRect(plate, 5));
        SkinStyle::fillMetal(p, SkinStyle::roundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 4.5),
                             QColor(0x36, 0x3A, 0x40), QColor(0x25, 0x28, 0x2D),
                             static_cast<quint32>(track.id), 2.0);
        SkinStyle::hLine(p, 3, size.width() - 4, 1, QColor(255, 255, 255, 50));
        SkinStyle::vLine(p, track.from - 9, 6, size.height() - 7, QColor(0, 0, 0, 110));
        SkinStyle::vLine(p, track.from - 8, 6, size.height() - 7, QColor(255, 255, 255, 28));
        const QString caption = QString::fromUtf8(track.caption);
        SkinStyle::drawLabel(p, QRectF(2, 0, track.from - 12, size.height()), Qt::AlignCenter,
                             caption, SkinStyle::labelFont(caption, 14, true),
                             SkinStyle::caption());
        p.restore();
    }
    paintTicks(track, p, size);
    const QPointF from =
        track.vertical ? QPointF(track.cross, track.from) : QPointF(track.from, track.cross);
    const QPointF to =
        track.vertical ? QPointF(track.cross, track.to) : QPointF(track.to, track.cross);
    SkinStyle::drawSlot(p, from, to, track.slotWidth);
}

void FaderPainter::paintLit(const Track& track, QPainter& p) const
{
    const QPointF from =
        track.vertical ? QPointF(track.cross, track.from) : QPointF(track.from, track.cross);
    const QPointF to =
        track.vertical ? QPointF(track.cross, track.to) : QPointF(track.to, track.cross);
    SkinStyle::drawLitSlot(p, from, to, track.slotWidth);
}

void FaderPainter::paintTicks(const Track& track, QPainter& p, const QSize& size) const
{
    struct Tick
    {
        double along;
        bool major;
        bool accent;
    };
    std::vector<Tick> ticks;
    const double span = track.to - track.from;
    auto at = [&](double fraction) {
        return track.from + fraction * span;
    };
    switch (track.scale) {
    case Scale::Even:
        for (int k = 0; k < track.tickCount; ++k) {
            const bool end = k == 0 || k == track.tickCount - 1;
            ticks.push_back({at(static_cast<double>(k) / (track.tickCount - 1)), end, false});
        }
        break;
    case Scale::Tone:
        for (int k = 0; k < track.tickCount; ++k) {
            const bool neutral = k == track.tickCount / 2;
            ticks.push_back({at(static_cast<double>(k) / (track.tickCount - 1)),
                             neutral || k == 0 || k == track.tickCount - 1, neutral});
        }
        break;
    case Scale::Balance:
        for (int k = 0; k < track.tickCount; ++k)
            ticks.push_back({at(static_cast<double>(k) / (track.tickCount - 1)), k % 2 == 0,
                             k == track.tickCount / 2});
        break;
    case Scale::Frequency:
        for (int mark : FrequencyMarks)
            ticks.push_back({at(static_cast<double>(mark) / FrequencySteps),
                             mark == 41 || mark == 131 || mark == 221, false});
        break;
    case Scale::Gain:
        for (int k = -3; k <= 3; ++k)
            ticks.push_back(
                {at((75.0 + 25.0 * k) / GainSteps), k == 0 || std::abs(k) == 3, k == 0});
        break;
    case Scale::QFactor:
        for (int mark : {0, 9, 19, 29, 41})
            ticks.push_back(
                {at(static_cast<double>(mark) / QSteps), mark != 0 && mark != 41, false});
        break;
    }

    const bool knob = track.caption[0] != '\0';
    const int half = (track.slotWidth + 1) / 2;
    for (const Tick& tick : ticks) {
        const int along = static_cast<int>(std::floor(tick.along));
        const QColor colour = tick.accent ? SkinStyle::accent() : tickColour(tick.major);
        const int length = tick.major || tick.accent ? 6 : 4;
        if (track.vertical) {
            const int left = static_cast<int>(std::floor(track.cross)) - half - 3;
            const int right = static_cast<int>(std::ceil(track.cross)) + half + 2;
            p.fillRect(QRect(left - length + 1, along, length, 1), colour);
            p.fillRect(QRect(right, along, length, 1), colour);
        } else if (knob) {
            // Under the thumb's reach only below it, so the marks stay visible.
            p.fillRect(QRect(along, size.height() - 10, 1, length - 1), colour);
        } else {
            const int top = static_cast<int>(std::floor(track.cross)) - half - 3;
            const int bottom = static_cast<int>(std::ceil(track.cross)) + half + 2;
            p.fillRect(QRect(along, top - length + 1, 1, length), colour);
            p.fillRect(QRect(along, bottom, 1, length), colour);
        }
    }
    if (track.scale == Scale::Balance) {
        const QFont font = SkinStyle::latinFont(10, true);
        SkinStyle::drawLabel(p, QRectF(0, 0, track.from - 8, size.height()), Qt::AlignCenter,
                             QStringLiteral("L"), font, SkinStyle::caption());
        SkinStyle::drawLabel(p, QRectF(track.to + 8, 0, size.width() - track.to - 8, size.height()),
                             Qt::AlignCenter, QStringLiteral("R"), font, SkinStyle::caption());
    }
}

void FaderPainter::paintCap(QPainter& p, const QSize& size, bool grooved)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0, 0, size.width() - 1, size.height() - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(SkinStyle::roundedRect(body.translated(1, 1), 4));
    p.setBrush(SkinStyle::outline());
    p.drawPath(SkinStyle::roundedRect(body, 4));
    const QRectF face = body.adjusted(1, 1, -1, -1);
    SkinStyle::fillMetal(p, SkinStyle::roundedRect(face, 3), QColor(0x6A, 0x70, 0x78),
                         QColor(0x2E, 0x31, 0x36), grooved ? 318u : 175u, 2.5);
    QLinearGradient bevel(face.topLeft(), face.bottomLeft());
    bevel.setColorAt(0.0, QColor(255, 255, 255, 120));
    bevel.setColorAt(0.4, QColor(255, 255, 255, 10));
    bevel.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 1));
    p.drawPath(SkinStyle::roundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 2.5));

    const int w = size.width() - 1;
    const int midRow = (size.height() - 1) / 2; // the index sits on the picture's centre rows
    if (grooved) {
        // Grip ridges above and below a white index line.
        for (int y : {midRow - 9, midRow - 6, midRow - 3, midRow + 4, midRow + 7, midRow + 10}) {
            SkinStyle::hLine(p, 4, w - 5, y, QColor(0, 0, 0, 130));
            SkinStyle::hLine(p, 4, w - 5, y + 1, QColor(255, 255, 255, 45));
        }
        p.fillRect(QRect(3, midRow, w - 6, 2), QColor(0xF2, 0xF3, 0xF5));
    } else {
        // A concave dish with a lit centre: reads as the thumb's centre on either axis.
        const QPointF centre(w / 2.0, (size.height() - 1) / 2.0);
        QLinearGradient dish(centre - QPointF(0, 8), centre + QPointF(0, 8));
        dish.setColorAt(0.0, QColor(0x1E, 0x20, 0x24));
        dish.setColorAt(1.0, QColor(0x5C, 0x61, 0x69));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.setBrush(dish);
        p.drawEllipse(centre, 8.0, 8.0);
        p.fillRect(QRect(4, midRow, w - 8, 2), QColor(255, 255, 255, 30));
        SkinStyle::drawGlow(p, centre, 5, SkinStyle::accent(), 120);
        p.setPen(Qt::NoPen);
        p.setBrush(SkinStyle::accent());
        p.drawEllipse(centre, 2.2, 2.2);
    }
    p.restore();
}

void FaderPainter::paintToneKnob(QPainter& p, const QSize& size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::min(size.width(), size.height()) / 2.0 - 1.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(centre + QPointF(0.7, 0.9), radius, radius);
    p.setBrush(SkinStyle::outline());
    p.drawEllipse(centre, radius, radius);
    // A turned metal top: the conical sweep gives the machined sheen.
    QConicalGradient sheen(centre, 90);
    sheen.setColorAt(0.0, QColor(0x8C, 0x92, 0x9A));
    sheen.setColorAt(0.2, QColor(0x3E, 0x42, 0x48));
    sheen.setColorAt(0.45, QColor(0x7A, 0x80, 0x88));
    sheen.setColorAt(0.7, QColor(0x34, 0x37, 0x3C));
    sheen.setColorAt(1.0, QColor(0x8C, 0x92, 0x9A));
    p.setBrush(sheen);
    p.drawEllipse(centre, radius - 1, radius - 1);
    QRadialGradient cap(centre - QPointF(2, 3), radius);
    cap.setColorAt(0.0, QColor(0x62, 0x67, 0x6F));
    cap.setColorAt(1.0, QColor(0x26, 0x29, 0x2E));
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(cap);
    p.drawEllipse(centre, radius - 4.5, radius - 4.5);
    p.restore();
    // The index: an accent line across the knob on its centre rows, pointing at the scale.
    const int midRow = size.height() / 2 - 1;
    p.fillRect(QRect(1, midRow, 6, 2), SkinStyle::accent());
    p.fillRect(QRect(size.width() - 7, midRow, 6, 2), SkinStyle::accent());
}

void FaderPainter::paintBalanceThumb(QPainter& p, const QSize& size, bool centred)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0, 0, size.width(), size.height() - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(SkinStyle::roundedRect(body.translated(0, 1), 2));
    p.setBrush(SkinStyle::outline());
    p.drawPath(SkinStyle::roundedRect(body, 2));
    const QRectF face = body.adjusted(1, 1, -1, -1);
    if (centred) {
        QLinearGradient lit(face.topLeft(), face.topRight());
        lit.setColorAt(0.0, SkinStyle::accentBright());
        lit.setColorAt(1.0, SkinStyle::accent().darker(130));
        p.setBrush(lit);
        p.drawPath(SkinStyle::roundedRect(face, 1.5));
    } else {
        SkinStyle::fillMetal(p, SkinStyle::roundedRect(face, 1.5), QColor(0x74, 0x7A, 0x82),
                             QColor(0x36, 0x39, 0x3E), 241u, 2.0);
    }
    p.restore();
    const int middle = size.width() / 2 - 1;
    p.fillRect(QRect(middle, 3, 2, size.height() - 7),
               centred ? QColor(0x3A, 0x2A, 0x00) : QColor(0xF0, 0xF1, 0xF3));
    SkinStyle::hLine(p, 1, size.width() - 2, 1, QColor(255, 255, 255, centred ? 120 : 80));
}
