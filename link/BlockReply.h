#pragma once

#include "Frames.h"

#include <QByteArray>

class ParamModel;

// Puts the data frame of a block read (type 1: three fields per address; type 5: the menu-show
// flag first of each three) into a model. False, and nothing stored, when the reply is shorter
// than the block.
bool storeBlockReply(const QByteArray& reply, Frames::Type type, int mode, int base,
                     ParamModel& model);
