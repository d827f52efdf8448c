#pragma once

#include <QLoggingCategory>

// What the USB side reports on standard error, as "tonvexa.hid"; QT_LOGGING_RULES can quiet it.
Q_DECLARE_LOGGING_CATEGORY(lcHid)
