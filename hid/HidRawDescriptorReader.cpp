#include "HidRawDescriptorReader.h"

#include "HidLogging.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The kernel's limit on a report descriptor (HID_MAX_DESCRIPTOR_SIZE).
constexpr qint64 MaxDescriptorSize = 4096;

} // namespace

HidRawDescriptorReader::HidRawDescriptorReader(QString classDirectory)
    : m_classDirectory(std::move(classDirectory))
{}

std::optional<QByteArray> HidRawDescriptorReader::read(QByteArrayView devicePath) const
{
    // Only the node's own name goes into the sysfs path, and only when it is a hidraw name:
    // a path from elsewhere (another platform's device path, "..") never reaches the file system.
    static const QRegularExpression nodePath(QStringLiteral("^/dev/(hidraw[0-9]+)$"));
    const QRegularExpressionMatch match = nodePath.match(QString::fromLocal8Bit(devicePath));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    QFile file(
        QStringLiteral("%1/%2/device/report_descriptor").arg(m_classDirectory, match.captured(1)));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcHid, "USB: cannot read the report descriptor %s: %s",
                  qPrintable(file.fileName()), qPrintable(file.errorString()));
        return std::nullopt;
    }
    QByteArray descriptor = file.read(MaxDescriptorSize);
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcHid, "USB: cannot read the report descriptor %s: %s",
                  qPrintable(file.fileName()), qPrintable(file.errorString()));
        return std::nullopt;
    }
    return descriptor;
}

HidReportDescriptor::ReportLengths
HidRawDescriptorReader::reportLengths(QByteArrayView devicePath) const
{
    if (const auto descriptor = read(devicePath)) {
        return HidReportDescriptor::reportLengths(*descriptor);
    }
    return {};
}
