#pragma once

#include <array>

// The echo-delay read-out for each stored byte 0..31 (address 0x81), in the processor's units.
inline constexpr std::array<int, 32> EchoDelayTable{
    15,  17,  30,  34,  46,  51,  61,  68,  76,  85,  92,  103, 108, 120, 123, 137,
    140, 153, 155, 169, 172, 184, 189, 200, 206, 215, 223, 230, 240, 246, 258, 275,
};
