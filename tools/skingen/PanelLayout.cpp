#include "PanelLayout.h"

#include "PanelTabs.h"

#include <array>

namespace {

using Caption = PanelLayout::Caption;
using Style = PanelLayout::CaptionStyle;

// Every fader column on the parameter panels: caption row, then the track, then a read-out well
// under it.
constexpr int CaptionRow = 32;
constexpr int WellWidth = 48;
constexpr int WellHeight = 22;

QRect wellUnder(double slotCentre, int top)
{
    return QRect(static_cast<int>(slotCentre) - WellWidth / 2 + 1, top, WellWidth, WellHeight);
}

} // namespace

QList<PanelLayout::Tab> PanelLayout::tabs()
{
    static_assert(PanelTabs::Rects.size() == 3, "one label per panel tab");
    return {{PanelTabs::Rects[0], QStringLiteral("音量")},
            {PanelTabs::Rects[1], QStringLiteral("效果")},
            {PanelTabs::Rects[2], QStringLiteral("电平")}};
}

PanelLayout::Art PanelLayout::art(int id)
{
    switch (id) {
    case TitleStripId:
        return titleStrip();
    case ToolbarId:
        return toolbar();
    case MasterSectionId:
        return masterSection();
    case VolumePanelId:
        return volumePanel();
    case EffectPanelId:
        return effectPanel();
    case LevelPanelId:
        return levelPanel();
    case BandEditorId:
        return bandEditor();
    default:
        return {};
    }
}

PanelLayout::Art PanelLayout::titleStrip()
{
    // Logo overlay at (10, 4); import 560, save 630, upload 700 (y 5); undo 790, redo 830 (y 8);
    // save-mode pair at 960 and 1017, mode-change pair at 1160 and 1217 (y 10); lock 1300
    // (y 10); close 1540 (y 9).
    Art art;
    art.captions = {
        {{950, 25.5}, QStringLiteral("保存模式"), Qt::AlignRight, Style::Label},
        {{1150, 25.5}, QStringLiteral("模式切换"), Qt::AlignRight, Style::Label},
    };
    art.grooves = {QRect(778, 10, 1, 31), QRect(878, 10, 1, 31), QRect(1284, 10, 1, 31)};
    return art;
}

PanelLayout::Art PanelLayout::toolbar()
{
    // The eight group tabs from x 6, 4 apart (70 wide, microphone 1-2 90), the panels tab at
    // 622 after a wider gap (y 3); the group marker rides the rail at y 60. Right: mode display
    // (708, 12) with up/down (800, 12 / 39); input down (866, 22), display (897, 22), up (954, 22);
    // start mode the same from 1018; FBX display (1172, 12) with up/down (1264, 12 / 39);
    // connection indicator at (1412, 0).
    Art art;
    // The displays name themselves, so the groups need no captions.
    art.bays = {QRect(700, 8, 136, 56), QRect(860, 16, 128, 40), QRect(1012, 16, 128, 40),
                QRect(1164, 8, 136, 56)};
    art.grooves = {QRect(6, 64, 686, 1)};
    return art;
}

PanelLayout::Art PanelLayout::masterSection()
{
    // Large fader tracks at x 12, 72, 132 (y 6), tone track at 212 (y 12), emblem at (288, 14).
    Art art;
    const std::array<double, 3> faderSlots{30.5, 90.5, 150.5};
    for (std::size_t k = 0; k < faderSlots.size(); ++k) {
        art.wells.append(wellUnder(faderSlots[k], 305));
        art.captions.append({{faderSlots[k] + 0.5, 338}, QStringLiteral("主控 %1").arg(k + 1)});
    }
    const double toneSlot = 235.0;
    const int toneTop = 12;
    art.captions.append({{toneSlot, 338}, QStringLiteral("音调")});
    // The tone's marks: stops 18 and 310 are +5 and -5 semitones, the middle is neutral.
    art.captions.append({{206, toneTop + 18.0}, QStringLiteral("+5"), Qt::AlignRight, Style::Unit});
    art.captions.append({{206, toneTop + 164.0}, QStringLiteral("0"), Qt::AlignRight, Style::Unit});
    art.captions.append(
        {{206, toneTop + 310.0}, QStringLiteral("-5"), Qt::AlignRight, Style::Unit});
    art.captions.append({{315.5, 84}, QStringLiteral("TOLVE"), Qt::AlignHCenter, Style::Unit});
    art.vents = {QRect(294, 104, 44, 230)};
    art.grooves = {QRect(182, 14, 1, 322), QRect(274, 14, 1, 322)};
    return art;
}

PanelLayout::Art PanelLayout::volumePanel()
{
    // Five sections of two volume faders (track 317, 36 wide, slot centre 16.5 from its left
    // edge): sections from x 12 every 140, track left edges at section left + 18 and + 82, y 44.
    // Balance tracks (159 x 29) at (910, 104) for the main channel and (910, 180) for the auxiliary
    // one.
    struct Pair
    {
        const char* group;
        const char* first;
        const char* second;
    };
    static const std::array<Pair, 5> pairs{{
        {"话筒", "话筒1-2音量", "话筒3音量"},
        {"辅助", "音乐音量", "话筒音量"},
        {"中置", "音乐音量", "话筒音量"},
        {"低音", "话筒开启前", "话筒开启后"},
        {"录音", "音乐音量", "话筒音量"},
    }};
    Art art;
    art.selectedTab = 0;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const int left = 12 + static_cast<int>(k) * 140;
        art.sections.append({QRect(left, 10, 134, 260), QString::fromUtf8(pairs[k].group)});
        for (int column = 0; column < 2; ++column) {
            const double slot = left + 18 + column * 64 + 16.5;
            const char* text = column == 0 ? pairs[k].first : pairs[k].second;
            art.captions.append(
                {{slot, CaptionRow}, QString::fromUtf8(text), Qt::AlignHCenter, Style::Label, 60});
            art.wells.append(wellUnder(slot, 222));
        }
    }
    art.sections.append({QRect(726, 66, 433, 204), QStringLiteral("音乐均衡")});
    art.captions.append({{898, 118.5}, QStringLiteral("主通道音乐均衡"), Qt::AlignRight});
    art.captions.append({{898, 194.5}, QStringLiteral("辅通道音乐均衡"), Qt::AlignRight});
    return art;
}

PanelLayout::Art PanelLayout::effectPanel()
{
    // Echo sliders (track 298, 220 x 34) at x 110, y 53 / 123 / 193; reverb faders (track 299,
    // 41 wide, slot centre 18.5) at x 465, 553, 641, y 44; routing pairs (48 x 28) at x 866 and
    // 918, y 94 / 148 / 202; bass phase pair at x 1074, y 130 and 166. The fourth effect fader
    // has no parameter and no place here.
    Art art;
    art.selectedTab = 1;
    art.sections.append({QRect(12, 10, 420, 260), QStringLiteral("回声")});
    const std::array<const char*, 3> echo{"回声次数", "回声延时", "回声音量"};
    for (std::size_t k = 0; k < echo.size(); ++k) {
        const double row = 70 + 70.0 * static_cast<double>(k);
        art.captions.append({{30, row}, QString::fromUtf8(echo[k]), Qt::AlignLeft});
        art.wells.append(QRect(350, static_cast<int>(row) - WellHeight / 2, 60, WellHeight));
    }
    art.sections.append({QRect(440, 10, 262, 260), QStringLiteral("残响")});
    const std::array<const char*, 3> reverb{"残响音量", "残响时间", "残响延时"};
    for (std::size_t k = 0; k < reverb.size(); ++k) {
        const double slot = 465 + 88.0 * static_cast<double>(k) + 18.5;
        art.captions.append({{slot, CaptionRow}, QString::fromUtf8(reverb[k])});
        art.wells.append(wellUnder(slot, 226));
    }
    art.sections.append({QRect(726, 66, 298, 204), QStringLiteral("效果分配")});
    const std::array<const char*, 3> routing{"效果进中置", "效果进环绕", "效果进录音"};
    for (std::size_t k = 0; k < routing.size(); ++k) {
        const double row = 108 + 54.0 * static_cast<double>(k);
        art.captions.append({{746, row}, QString::fromUtf8(routing[k]), Qt::AlignLeft});
    }
    art.sections.append({QRect(1036, 66, 123, 204), QStringLiteral("低音相位")});
    return art;
}

PanelLayout::Art PanelLayout::levelPanel()
{
    // Six level faders (track 272, 43 wide, slot centre 20.5) at x 49 + 115 k, y 44.
    Art art;
    art.selectedTab = 2;
    art.sections.append({QRect(12, 10, 690, 260), QStringLiteral("公共电平")});
    for (int k = 0; k < 6; ++k) {
        const double slot = 49 + 115.0 * k + 20.5;
        art.captions.append({{slot, CaptionRow}, QStringLiteral("电平 %1").arg(k + 1)});
        // The slot ends at 124 of the 174-pixel track: the read-out follows right below it.
        art.wells.append(wellUnder(slot, 196));
    }
    art.nameplates.append(
        {QRect(800, 120, 270, 90), QStringLiteral("公共电平"), QStringLiteral("COMMON LEVELS")});
    return art;
}

PanelLayout::Art PanelLayout::bandEditor()
{
    // Fixed by the window: band markers at y 40, read-out columns (60 x 29) from x 168 every
    // 61.33 at y 106.7 / 166.7 / 222; the low-cut column at x 106.7, the high-cut one at 1090.7.
    Art art;
    art.sections.append({QRect(98, 28, 1062, 234), QStringLiteral("均衡参数")});
    art.bands = {QRect(102, 102, 1054, 38), QRect(102, 162, 1054, 38), QRect(102, 217, 1054, 38)};
    art.grooves = {QRect(167, 38, 1, 218), QRect(1088, 38, 1, 218)};
    art.captions = {
        {{54, 51.5}, QStringLiteral("频段")},
        {{54, 114}, QStringLiteral("频率")},
        {{54, 130}, QStringLiteral("Hz"), Qt::AlignHCenter, Style::Unit},
        {{54, 174}, QStringLiteral("增益")},
        {{54, 190}, QStringLiteral("dB"), Qt::AlignHCenter, Style::Unit},
        {{54, 236.5}, QStringLiteral("Q"), Qt::AlignHCenter, Style::Heading},
    };
    return art;
}
