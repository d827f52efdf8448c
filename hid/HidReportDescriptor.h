#pragma once

#include "HidReports.h"

#include <QByteArrayView>

// Reads the report lengths a device declares in its HID report descriptor, for the backends
// whose library does not report them.
namespace HidReportDescriptor {

struct ReportLengths
{
    int input = HidReports::DefaultReportLength;
    int output = HidReports::DefaultReportLength;

    bool operator==(const ReportLengths&) const = default;
};

// The longest input and the longest output report in bytes, counting one byte for the report
// id even when the device numbers no reports (the platform's report buffers do the same).
// A direction the descriptor declares no data for keeps the default length, and so do both
// directions of a descriptor that is cut short, pops more than it pushed or declares a report
// longer than the kernel would accept: the device is then no better described than by nothing.
ReportLengths reportLengths(QByteArrayView descriptor);

} // namespace HidReportDescriptor
