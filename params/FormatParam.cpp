#include "FormatParam.h"

#include "EchoDelayTable.h"

int FormatParam(quint8& byte, TagNew::DisplayField field)
{
    if (field != TagNew::DisplayField::EchoDly) {
        return byte;
    }
    const int last = int(EchoDelayTable.size()) - 1;
    if (byte > last) {
        byte = quint8(last);
    }
    return EchoDelayTable[byte];
}
