#pragma once

#include <QtGlobal>
#include <compare>

// One of the processor's 256 parameter addresses. Made only from a number in 0..255: a number
// outside is a fault of the caller (input from outside is checked where it is read) and stops
// the program rather than reaching the processor as another address; in a constant it does not
// compile.
class ParamAddress
{
public:
    constexpr explicit ParamAddress(int value)
        : m_value(checked(value))
    {}

    constexpr int value() const { return m_value; }

    friend constexpr bool operator==(ParamAddress, ParamAddress) = default;
    friend constexpr auto operator<=>(ParamAddress, ParamAddress) = default;

private:
    static constexpr quint8 checked(int value)
    {
        if (value < 0 || value > 255) {
            outOfRange(value);
        }
        return quint8(value);
    }
    [[noreturn]] static void outOfRange(int value);

    quint8 m_value;
};
