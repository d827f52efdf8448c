#pragma once

#include "LinkNotice.h"
#include "UserMessages.h"

#include <QString>

// What the user reads about the link, the same in the window and in the command-line tool.
namespace LinkTexts {

QString text(LinkNotice notice);
UserMessages::Icon icon(LinkNotice notice);

} // namespace LinkTexts
