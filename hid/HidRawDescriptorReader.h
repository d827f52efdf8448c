#pragma once

#include "HidReportDescriptor.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads the report descriptor of a Linux hidraw node from sysfs, which everyone may read, so the
// report lengths are known even for a device the user is not allowed to open. The sysfs folder
// is a parameter so that tests can lay out a fake one.
class HidRawDescriptorReader
{
public:
    explicit HidRawDescriptorReader(QString classDirectory = QStringLiteral("/sys/class/hidraw"));

    // The descriptor of the node at devicePath ("/dev/hidraw3"); nothing when the path does not
    // name a hidraw node or its descriptor cannot be read (the latter with a warning).
    std::optional<QByteArray> read(QByteArrayView devicePath) const;

    // The node's report lengths; the defaults when its descriptor cannot be read.
    HidReportDescriptor::ReportLengths reportLengths(QByteArrayView devicePath) const;

private:
    QString m_classDirectory;
};
