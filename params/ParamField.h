#pragma once

#include <array>

// The three bytes the store keeps for each address in each mode, in the order they are stored
// and carried in frames: a parameter's value (an EQ band's frequency index), then an EQ band's
// gain byte and Q byte. Other parameters use only the value.
enum class ParamField : int
{
    Value,
    Gain,
    Q
};

// Every field in store order, for whatever goes through all three.
inline constexpr std::array<ParamField, 3> AllParamFields{ParamField::Value, ParamField::Gain,
                                                          ParamField::Q};

// A field's place among the three bytes of an address.
constexpr int fieldIndex(ParamField field)
{
    return static_cast<int>(field);
}
