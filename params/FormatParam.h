#pragma once

#include "TagNew.h"

#include <QtGlobal>

// The number a parameter's digit display shows for its stored byte. The echo delay reads its
// table; a byte beyond the table is lowered to the last entry, and since the caller passes the
// store entry itself, the store keeps the corrected byte.
int FormatParam(quint8& byte, TagNew::DisplayField field);
