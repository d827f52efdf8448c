#include "HidApiLibrary.h"

#include "HidApiDevice.h"
#include "HidLogging.h"

#include <QSet>
#include <cerrno>
#include <unistd.h>

namespace {

QString globalError()
{
    return QString::fromWCharArray(hid_error(nullptr));
}

} // namespace

HidApiLibrary::HidApiLibrary(HidRawDescriptorReader descriptors)
    : m_descriptors(std::move(descriptors))
{
    m_ready = hid_init() == 0;
    if (!m_ready) {
        m_lastError = QStringLiteral("hidapi cannot start: %1").arg(globalError());
        qCWarning(lcHid, "USB: %s", qPrintable(m_lastError));
    }
}

HidApiLibrary::~HidApiLibrary()
{
    if (m_ready && hid_exit() != 0) {
        qCWarning(lcHid, "USB: hidapi did not shut down cleanly: %s", qPrintable(globalError()));
    }
}

QList<HidDeviceInfo> HidApiLibrary::devices(quint16 vendorId, quint16 productId)
{
    QList<HidDeviceInfo> found;
    if (!m_ready) {
        return found;
    }
    hid_device_info* const list = hid_enumerate(vendorId, productId);
    if (!list) {
        // hidapi gives no list both when nothing matches and when the search failed; its
        // error text tells which.
        m_lastError = globalError();
        return found;
    }
    // hidapi lists a node once per top-level usage; the node is what gets opened.
    QSet<QByteArray> seen;
    for (const hid_device_info* entry = list; entry; entry = entry->next) {
        // Ids of 0 mean "any" to hid_enumerate; here they mean exactly 0.
        if (entry->vendor_id != vendorId || entry->product_id != productId || !entry->path) {
            continue;
        }
        const QByteArray path(entry->path);
        if (seen.contains(path)) {
            continue;
        }
        seen.insert(path);
        const HidReportDescriptor::ReportLengths lengths = m_descriptors.reportLengths(path);
        found.append({path, entry->vendor_id, entry->product_id, lengths.input, lengths.output});
    }
    hid_free_enumeration(list);
    if (found.isEmpty()) {
        m_lastError = QStringLiteral("no device with the requested ids");
    }
    return found;
}

std::unique_ptr<HidDeviceHandle> HidApiLibrary::open(const QByteArray& path)
{
    if (!m_ready) {
        return nullptr;
    }
    hid_device* const device = hid_open_path(path.constData());
    // hidapi reports only a text; whether the node's permissions shut this user out is asked
    // of the node itself.
    m_openDenied = !device && ::access(path.constData(), R_OK | W_OK) != 0 &&
                   (errno == EACCES || errno == EPERM);
    if (!device) {
        m_lastError = globalError();
        return nullptr;
    }
    return std::make_unique<HidApiDevice>(device);
}
