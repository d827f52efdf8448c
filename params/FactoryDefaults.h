#pragma once

#include "ParamTable.h"

#include <QtGlobal>
#include <array>

// The processor's factory settings of the parameters other than EQ bands, drawn from the
// parameter table in its order, which is also the key order of preset files. The bands' values
// are in the table too; a factory reset writes them group by group.
namespace FactoryDefaults {

struct AddressValue
{
    quint8 address;
    quint8 value;
};

namespace Detail {

constexpr bool isSetting(const ParamInfo& info, bool common)
{
    return info.factory && info.kind != ParamKind::Band && isCommonAddress(info.address) == common;
}

consteval std::size_t countSettings(bool common)
{
    std::size_t count = 0;
    for (const ParamInfo& info : ParamTable) {
        count += isSetting(info, common) ? 1 : 0;
    }
    return count;
}

template <bool Common>
consteval std::array<AddressValue, countSettings(Common)> settings()
{
    std::array<AddressValue, countSettings(Common)> list{};
    std::size_t at = 0;
    for (const ParamInfo& info : ParamTable) {
        if (isSetting(info, Common)) {
            list[at++] = {info.address, *info.factory};
        }
    }
    return list;
}

} // namespace Detail

// Common parameters (mode-0 slot); the tone and the four-way selector have no factory value:
// they stay 0 until the processor reports them.
inline constexpr auto Common = Detail::settings<true>();
// Per-mode parameters other than EQ bands, the same in all eight modes.
inline constexpr auto PerMode = Detail::settings<false>();

} // namespace FactoryDefaults
