#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <span>

// The four address blocks in which the processor exchanges its parameters. Blocks 1-3 hold
// per-mode parameters, block 4 the common ones (kept in the mode-0 slot of the store).
struct ParamBlock
{
    quint8 base;
    int size;
    bool common;

    constexpr bool contains(int address) const { return address >= base && address < base + size; }
    constexpr int last() const { return base + size - 1; }
};

inline constexpr std::array<ParamBlock, 4> ParamBlocks{{
    {0x00, 41, false}, // 0x00..0x28
    {0x40, 30, false}, // 0x40..0x5D
    {0x80, 12, false}, // 0x80..0x8B
    {0xC0, 16, true},  // 0xC0..0xCF
}};

// The per-mode blocks in the order transfers move them, and the common block.
inline constexpr std::span<const ParamBlock, 3> PerModeBlocks{ParamBlocks.data(), 3};
inline constexpr const ParamBlock& CommonBlock = ParamBlocks[3];
static_assert(!PerModeBlocks[0].common && !PerModeBlocks[1].common && !PerModeBlocks[2].common &&
              CommonBlock.common);

constexpr std::optional<ParamBlock> blockAtBase(int base)
{
    for (const ParamBlock& block : ParamBlocks) {
        if (block.base == base) {
            return block;
        }
    }
    return std::nullopt;
}

constexpr std::optional<ParamBlock> blockContaining(int address)
{
    for (const ParamBlock& block : ParamBlocks) {
        if (block.contains(address)) {
            return block;
        }
    }
    return std::nullopt;
}

// Common parameters exist once for the device; every other address once per mode.
constexpr bool isCommonAddress(int address)
{
    return CommonBlock.contains(address);
}
