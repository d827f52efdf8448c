#include "ParamAddress.h"

void ParamAddress::outOfRange(int value)
{
    qFatal("ParamAddress: %d is not a parameter address (0..255)", value);
}
