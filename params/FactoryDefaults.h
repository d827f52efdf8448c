#pragma once

#include <QtGlobal>
#include <array>
#include <span>

// The processor's factory settings, in the order the factory reset writes them.
namespace FactoryDefaults {

struct AddressValue
{
    quint8 address;
    quint8 value;
};

// Common parameters (mode-0 slot). 0xCE (tone) and 0xCF (four-way selector) have no factory
// value: they stay 0 until the processor reports them.
inline constexpr std::array<AddressValue, 14> Common{{
    {0xC0, 20},
    {0xC1, 25},
    {0xC2, 30},
    {0xC3, 1},
    {0xC4, 0},
    {0xC5, 20},
    {0xC6, 23},
    {0xC7, 32},
    {0xC8, 80},
    {0xC9, 80},
    {0xCA, 80},
    {0xCB, 0},
    {0xCC, 0},
    {0xCD, 0},
}};

// Per-mode parameters other than EQ bands, the same in all eight modes. The order (0x1A before
// 0x19) is also the key order of preset files.
inline constexpr std::array<AddressValue, 39> PerMode{{
    {0x00, 80},  {0x01, 0},  {0x02, 0},  {0x0A, 80},  {0x0B, 80},  {0x0C, 80}, {0x0D, 0},
    {0x0E, 0},   {0x12, 80}, {0x13, 80}, {0x14, 0},   {0x15, 0},   {0x1A, 50}, {0x19, 30},
    {0x1B, 0},   {0x1C, 0},  {0x1D, 54}, {0x1E, 0},   {0x22, 80},  {0x23, 80}, {0x24, 0},
    {0x25, 0},   {0x40, 80}, {0x41, 0},  {0x42, 241}, {0x43, 0},   {0x53, 80}, {0x54, 0},
    {0x55, 241}, {0x56, 0},  {0x80, 73}, {0x81, 27},  {0x82, 181}, {0x83, 60}, {0x84, 30},
    {0x85, 35},  {0x86, 10}, {0x87, 43}, {0x88, 0},
}};

inline constexpr quint8 BandGain = 75; // 0 dB
inline constexpr quint8 BandQ = 14;    // Q 1.4

// Frequency indexes of each EQ group's bands, band 1 upward; the list length is the number of
// band addresses the group owns (the bass group keeps three, although the graph shows none).
inline constexpr std::array<quint8, 7> MusicBands{19, 44, 71, 131, 146, 184, 233};
inline constexpr std::array<quint8, 15> Mic12Bands{4,   11,  23,  41,  47,  56,  71, 94,
                                                   131, 137, 146, 161, 184, 221, 233};
inline constexpr std::array<quint8, 7> Mic3Bands{4, 23, 47, 71, 131, 146, 184};
inline constexpr std::array<quint8, 3> DecadeBands{41, 131, 221}; // 100 Hz, 1 kHz, 10 kHz
inline constexpr std::array<quint8, 3> BassBands{11, 31, 47};

struct EqGroupDefaults
{
    std::span<const quint8> bandFrequencies;
    quint8 highCut; // frequency index; ignored where the group has no high cut
    quint8 lowCut;
};

// Indexed by EQ group: music, mic 1-2, mic 3, effect, centre, surround, bass, record.
inline constexpr std::array<EqGroupDefaults, 8> EqGroups{{
    {MusicBands, 0, 0},
    {Mic12Bands, 241, 0},
    {Mic3Bands, 241, 0},
    {DecadeBands, 181, 43},
    {DecadeBands, 0, 0},
    {DecadeBands, 0, 0},
    {BassBands, 54, 0},
    {DecadeBands, 0, 0},
}};

} // namespace FactoryDefaults
