#pragma once

#include "HidReports.h"

#include <QByteArray>

// One present HID device as the search finds it.
struct HidDeviceInfo
{
    QByteArray path; // the platform's device path, for opening it
    quint16 vendorId = 0;
    quint16 productId = 0;
    // In bytes, report id included.
    int inputReportLength = HidReports::DefaultReportLength;
    int outputReportLength = HidReports::DefaultReportLength;
};
