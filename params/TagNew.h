#pragma once

#include "ParamField.h"

#include <QString>
#include <QStringView>
#include <optional>

// The binding grammar of the window's controls: the TagNew text names the store entry a control
// stands for. An empty text means "not bound"; a text that does not read gives nothing, and the
// window refuses to start with it.
namespace TagNew {

enum class Scope
{
    Group,
    Common
}; // per-mode (the current mode's slot) or common (mode 0)

// What a digit display shows of its byte.
enum class DisplayField
{
    Value,   // the byte
    EchoDly, // the echo-delay table entry for the byte
    RevTime, // the byte; the display itself divides by ten
};

// Sliders: scope "," address ("Group,&H40", "Common,&HC5"); any scope but Group is common.
struct SliderBinding
{
    Scope scope;
    int address;
};

// Digit displays: scope "," address "," field ("Group,&H81,EchoDly").
struct DisplayBinding
{
    Scope scope;
    int address;
    DisplayField field;
};

// Band read-outs, bound by the window to the current group's bands at run time.
struct BandDisplayBinding
{
    int address;
    ParamField field;
    int band;
};

std::optional<SliderBinding> parseSlider(QStringView text);
// Nothing for an unknown scope word or field; such a display shows nothing.
std::optional<DisplayBinding> parseDisplay(QStringView text);
// Two-way buttons, selectors and the bypass button: an address literal ("&H14").
std::optional<int> parseAddress(QStringView text);

} // namespace TagNew
