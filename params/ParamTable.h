#pragma once

#include "ParamBlocks.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// What an address holds, as far as reading its bytes is concerned.
enum class ParamKind
{
    Level,      // a level or count shown as the byte itself
    Balance,    // 0..160 with the centre at 80
    Switch,     // 0 / 1
    Selector,   // a small enumeration (input, start mode, tone, four-way selector)
    Band,       // EQ band: frequency index, gain byte, Q byte
    Cut,        // low- or high-cut filter: frequency index
    EchoDelay,  // 0..31 through the echo-delay table
    ReverbTime, // shown divided by ten
};

// Everything the program knows of one address the processor uses. Whether it is common or
// per-mode follows from its block (ParamBlocks).
struct ParamInfo
{
    quint8 address;
    ParamKind kind;
    // What a factory reset writes into the value field: for an EQ band its frequency index (gain
    // and Q are BandGain and BandQ). Empty where only the processor sets the value (tone, four-way
    // selector); preset files leave such a parameter out.
    std::optional<quint8> factory;
    // The program's own name, which is also the front-panel menu's label, as UTF-8 marked for
    // translation (shownName); empty for the common parameters, which it leaves unnamed.
    const char* name;
    const char* gloss; // an English gloss
    // The highest value of a selector the window steps through (the lowest is 0); 0 elsewhere.
    int max = 0;
};

inline constexpr quint8 BandGain = 75; // 0 dB, the factory gain of every EQ band
inline constexpr quint8 BandQ = 14;    // Q 1.4, the factory Q of every EQ band

// One row per address of the four blocks: address, kind, factory value, name, gloss and, for a
// stepped selector, its highest value. The rows run in address order, except that 0x1A comes
// before 0x19: preset files list the per-mode parameters in the table's order.
inline constexpr std::array<ParamInfo, 99> ParamTable{{
    {0x00, ParamKind::Balance, 80, QT_TRANSLATE_NOOP("ParamTable", "主通道音乐均衡"),
     "main-channel music balance"},
    {0x01, ParamKind::Cut, 0, QT_TRANSLATE_NOOP("ParamTable", "音乐低切"), "music low cut"},
    {0x02, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "音乐旁通"), "music EQ bypass"},
    {0x03, ParamKind::Band, 19, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ1"), "music EQ band 1"},
    {0x04, ParamKind::Band, 44, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ2"), "music EQ band 2"},
    {0x05, ParamKind::Band, 71, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ3"), "music EQ band 3"},
    {0x06, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ4"), "music EQ band 4"},
    {0x07, ParamKind::Band, 146, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ5"), "music EQ band 5"},
    {0x08, ParamKind::Band, 184, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ6"), "music EQ band 6"},
    {0x09, ParamKind::Band, 233, QT_TRANSLATE_NOOP("ParamTable", "音乐EQ7"), "music EQ band 7"},
    {0x0A, ParamKind::Balance, 80, QT_TRANSLATE_NOOP("ParamTable", "辅通道音乐均衡"),
     "auxiliary-channel music balance"},
    {0x0B, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "辅助-音乐音量"),
     "aux: music volume"},
    {0x0C, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "辅助-话筒音量"),
     "aux: microphone volume"},
    {0x0D, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "效果进环绕"),
     "effect into surround"},
    {0x0E, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "环绕旁通"), "surround EQ bypass"},
    {0x0F, ParamKind::Band, 41, QT_TRANSLATE_NOOP("ParamTable", "环绕EQ1"), "surround EQ band 1"},
    {0x10, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "环绕EQ2"), "surround EQ band 2"},
    {0x11, ParamKind::Band, 221, QT_TRANSLATE_NOOP("ParamTable", "环绕EQ3"), "surround EQ band 3"},
    {0x12, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "中置-音乐音量"),
     "centre: music volume"},
    {0x13, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "中置-话筒音量"),
     "centre: microphone volume"},
    {0x14, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "效果进中置"),
     "effect into centre"},
    {0x15, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "中置旁通"), "centre EQ bypass"},
    {0x16, ParamKind::Band, 41, QT_TRANSLATE_NOOP("ParamTable", "中置EQ1"), "centre EQ band 1"},
    {0x17, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "中置EQ2"), "centre EQ band 2"},
    {0x18, ParamKind::Band, 221, QT_TRANSLATE_NOOP("ParamTable", "中置EQ3"), "centre EQ band 3"},
    {0x1A, ParamKind::Level, 50, QT_TRANSLATE_NOOP("ParamTable", "低音-话筒开启后音量"),
     "bass: volume after the microphone opens"},
    {0x19, ParamKind::Level, 30, QT_TRANSLATE_NOOP("ParamTable", "低音-话筒开启前音量"),
     "bass: volume before the microphone opens"},
    {0x1B, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "低音相位"), "bass phase"},
    {0x1C, ParamKind::Cut, 0, QT_TRANSLATE_NOOP("ParamTable", "低音低切"), "bass low cut"},
    {0x1D, ParamKind::Cut, 54, QT_TRANSLATE_NOOP("ParamTable", "低音高切"), "bass high cut"},
    {0x1E, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "低音旁通"), "bass EQ bypass"},
    {0x1F, ParamKind::Band, 11, QT_TRANSLATE_NOOP("ParamTable", "低音EQ1"), "bass EQ band 1"},
    {0x20, ParamKind::Band, 31, QT_TRANSLATE_NOOP("ParamTable", "低音EQ2"), "bass EQ band 2"},
    {0x21, ParamKind::Band, 47, QT_TRANSLATE_NOOP("ParamTable", "低音EQ3"), "bass EQ band 3"},
    {0x22, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "录音-音乐音量"),
     "record: music volume"},
    {0x23, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "录音-话筒音量"),
     "record: microphone volume"},
    {0x24, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "效果进录音"),
     "effect into record"},
    {0x25, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "录音旁通"), "record EQ bypass"},
    {0x26, ParamKind::Band, 41, QT_TRANSLATE_NOOP("ParamTable", "录音EQ1"), "record EQ band 1"},
    {0x27, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "录音EQ2"), "record EQ band 2"},
    {0x28, ParamKind::Band, 221, QT_TRANSLATE_NOOP("ParamTable", "录音EQ3"), "record EQ band 3"},
    {0x40, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "话筒1-2音量"),
     "microphone 1-2 volume"},
    {0x41, ParamKind::Cut, 0, QT_TRANSLATE_NOOP("ParamTable", "话筒低切"),
     "microphone 1-2 low cut"},
    {0x42, ParamKind::Cut, 241, QT_TRANSLATE_NOOP("ParamTable", "话筒高切"),
     "microphone 1-2 high cut"},
    {0x43, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "话筒旁通"),
     "microphone 1-2 EQ bypass"},
    {0x44, ParamKind::Band, 4, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ1"),
     "microphone 1-2 EQ band 1"},
    {0x45, ParamKind::Band, 11, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ2"),
     "microphone 1-2 EQ band 2"},
    {0x46, ParamKind::Band, 23, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ3"),
     "microphone 1-2 EQ band 3"},
    {0x47, ParamKind::Band, 41, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ4"),
     "microphone 1-2 EQ band 4"},
    {0x48, ParamKind::Band, 47, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ5"),
     "microphone 1-2 EQ band 5"},
    {0x49, ParamKind::Band, 56, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ6"),
     "microphone 1-2 EQ band 6"},
    {0x4A, ParamKind::Band, 71, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ7"),
     "microphone 1-2 EQ band 7"},
    {0x4B, ParamKind::Band, 94, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ8"),
     "microphone 1-2 EQ band 8"},
    {0x4C, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ9"),
     "microphone 1-2 EQ band 9"},
    {0x4D, ParamKind::Band, 137, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ10"),
     "microphone 1-2 EQ band 10"},
    {0x4E, ParamKind::Band, 146, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ11"),
     "microphone 1-2 EQ band 11"},
    {0x4F, ParamKind::Band, 161, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ12"),
     "microphone 1-2 EQ band 12"},
    {0x50, ParamKind::Band, 184, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ13"),
     "microphone 1-2 EQ band 13"},
    {0x51, ParamKind::Band, 221, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ14"),
     "microphone 1-2 EQ band 14"},
    {0x52, ParamKind::Band, 233, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ15"),
     "microphone 1-2 EQ band 15"},
    {0x53, ParamKind::Level, 80, QT_TRANSLATE_NOOP("ParamTable", "话筒3音量"),
     "microphone 3 volume"},
    {0x54, ParamKind::Cut, 0, QT_TRANSLATE_NOOP("ParamTable", "话筒低切"), "microphone 3 low cut"},
    {0x55, ParamKind::Cut, 241, QT_TRANSLATE_NOOP("ParamTable", "话筒高切"),
     "microphone 3 high cut"},
    {0x56, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "话筒旁通"),
     "microphone 3 EQ bypass"},
    {0x57, ParamKind::Band, 4, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ1"),
     "microphone 3 EQ band 1"},
    {0x58, ParamKind::Band, 23, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ2"),
     "microphone 3 EQ band 2"},
    {0x59, ParamKind::Band, 47, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ3"),
     "microphone 3 EQ band 3"},
    {0x5A, ParamKind::Band, 71, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ4"),
     "microphone 3 EQ band 4"},
    {0x5B, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ5"),
     "microphone 3 EQ band 5"},
    {0x5C, ParamKind::Band, 146, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ6"),
     "microphone 3 EQ band 6"},
    {0x5D, ParamKind::Band, 184, QT_TRANSLATE_NOOP("ParamTable", "话筒EQ7"),
     "microphone 3 EQ band 7"},
    {0x80, ParamKind::Level, 73, QT_TRANSLATE_NOOP("ParamTable", "回声次数"), "echo repeats"},
    {0x81, ParamKind::EchoDelay, 27, QT_TRANSLATE_NOOP("ParamTable", "回声延时"), "echo delay"},
    {0x82, ParamKind::Cut, 181, QT_TRANSLATE_NOOP("ParamTable", "效果高切"), "effect high cut"},
    {0x83, ParamKind::Level, 60, QT_TRANSLATE_NOOP("ParamTable", "回声音量"), "echo volume"},
    {0x84, ParamKind::Level, 30, QT_TRANSLATE_NOOP("ParamTable", "残响音量"), "reverb volume"},
    {0x85, ParamKind::ReverbTime, 35, QT_TRANSLATE_NOOP("ParamTable", "残响时间"), "reverb time"},
    {0x86, ParamKind::Level, 10, QT_TRANSLATE_NOOP("ParamTable", "残响延时"), "reverb delay"},
    {0x87, ParamKind::Cut, 43, QT_TRANSLATE_NOOP("ParamTable", "效果低切"), "effect low cut"},
    {0x88, ParamKind::Switch, 0, QT_TRANSLATE_NOOP("ParamTable", "效果旁通"), "effect EQ bypass"},
    {0x89, ParamKind::Band, 41, QT_TRANSLATE_NOOP("ParamTable", "效果EQ1"), "effect EQ band 1"},
    {0x8A, ParamKind::Band, 131, QT_TRANSLATE_NOOP("ParamTable", "效果EQ2"), "effect EQ band 2"},
    {0x8B, ParamKind::Band, 221, QT_TRANSLATE_NOOP("ParamTable", "效果EQ3"), "effect EQ band 3"},
    {0xC0, ParamKind::Level, 20, "", "master level 1"},
    {0xC1, ParamKind::Level, 25, "", "master level 2"},
    {0xC2, ParamKind::Level, 30, "", "master level 3"},
    {0xC3, ParamKind::Selector, 1, "", "input selection", 6},
    {0xC4, ParamKind::Selector, 0, "", "start mode", 7},
    {0xC5, ParamKind::Level, 20, "", "common level 1"},
    {0xC6, ParamKind::Level, 23, "", "common level 2"},
    {0xC7, ParamKind::Level, 32, "", "common level 3"},
    {0xC8, ParamKind::Level, 80, "", "common level 4"},
    {0xC9, ParamKind::Level, 80, "", "common level 5"},
    {0xCA, ParamKind::Level, 80, "", "common level 6"},
    {0xCB, ParamKind::Switch, 0, "", "save mode"},
    {0xCC, ParamKind::Switch, 0, "", "panel lock"},
    {0xCD, ParamKind::Switch, 0, "", "mode change"},
    {0xCE, ParamKind::Selector, std::nullopt, "", "tone"},
    {0xCF, ParamKind::Selector, std::nullopt, "", "four-way selector", 3},
}};

// The row of an address; nullptr for an address outside the blocks.
constexpr const ParamInfo* findParam(int address)
{
    for (const ParamInfo& info : ParamTable) {
        if (info.address == address) {
            return &info;
        }
    }
    return nullptr;
}

// The name as the user reads it.
inline QString shownName(const ParamInfo& info)
{
    return QCoreApplication::translate("ParamTable", info.name);
}

namespace ParamTableCheck {

// Every address of the blocks has exactly one row, and every per-mode parameter (the EQ bands
// and cuts among them) a factory value, which the factory reset and presets rely on.
consteval bool coversTheBlocksOnce()
{
    std::size_t blockAddresses = 0;
    for (const ParamBlock& block : ParamBlocks) {
        blockAddresses += std::size_t(block.size);
    }
    for (const ParamInfo& info : ParamTable) {
        if (!blockContaining(info.address) || findParam(info.address) != &info) {
            return false;
        }
        if (!isCommonAddress(info.address) && !info.factory) {
            return false;
        }
    }
    return blockAddresses == ParamTable.size();
}
static_assert(coversTheBlocksOnce());

} // namespace ParamTableCheck
