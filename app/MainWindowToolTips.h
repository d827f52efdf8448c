#pragma once

#include "USB_Comm.h"

#include <QString>

struct MainWindowControls;

// What the window's icon-only controls and its connection lamp say when the pointer rests on
// them, in Chinese like the window's captions.
namespace MainWindowToolTips {

void apply(const MainWindowControls& controls);

// Online, or offline and why: the processor is there but does not answer, none is found, or
// this user may not open it.
QString lamp(bool online, bool deviceOpen, USB_Comm::Unavailable reason);

} // namespace MainWindowToolTips
