#include "MainWindowContext.h"

#include "DeviceLink.h"

bool MainWindowContext::online() const
{
    return link.isOnline();
}
