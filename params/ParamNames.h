#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

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

// The program's own name (Chinese; empty for the common parameters, which it leaves unnamed)
// and an English gloss of every address the processor uses.
struct ParamInfo
{
    quint8 address;
    QStringView name;
    const char* gloss;
    ParamKind kind;
};

class ParamNames
{
public:
    static std::span<const ParamInfo> all();
    static std::optional<ParamInfo> find(int address);
};
