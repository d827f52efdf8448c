#include "HidApiComm.h"

#include "HidApiLibrary.h"
#include "HidLogging.h"
#include "HidReadThread.h"
#include "NumberLiteral.h"

namespace {

// A report must carry the id, the length byte and at least one payload byte.
constexpr int MinUsableOutputReportLength = 3;

} // namespace

HidApiComm::HidApiComm(QObject* parent)
    : HidApiComm(std::make_unique<HidApiLibrary>(), parent)
{}

HidApiComm::HidApiComm(std::unique_ptr<HidDeviceAccess> access, QObject* parent)
    : USB_Comm(parent)
    , m_access(std::move(access))
{
    m_searchTimer.setInterval(SearchInterval);
    connect(&m_searchTimer, &QTimer::timeout, this, &HidApiComm::searchTick);
}

HidApiComm::~HidApiComm()
{
    m_searchTimer.stop();
    closeDevice();
}

std::optional<quint16> HidApiComm::usbId(QStringView literal)
{
    const std::optional<qint64> value = parseNumberLiteral(literal);
    if (!value || *value < 0 || *value > 0xFFFF) {
        return std::nullopt;
    }
    return quint16(*value);
}

bool HidApiComm::Connect()
{
    const bool open = isOpen() || openFirstMatch();
    if (open) {
        m_searchTimer.stop();
    } else {
        m_searchTimer.start();
    }
    Q_EMIT Plug(open);
    return open;
}

bool HidApiComm::openFirstMatch()
{
    const std::optional<quint16> vendor = usbId(m_vendorID);
    const std::optional<quint16> product = usbId(m_productID);
    if (!vendor || !product) {
        reportSearchFailure(QStringLiteral("the device ids \"%1\" and \"%2\" are not USB ids")
                                .arg(m_vendorID, m_productID));
        return false;
    }
    m_unavailable = Unavailable::NotFound;
    const QList<HidDeviceInfo> candidates = m_access->devices(*vendor, *product);
    if (candidates.isEmpty()) {
        reportSearchFailure(QStringLiteral("no device %1:%2 found (%3)")
                                .arg(*vendor, 4, 16, QChar(u'0'))
                                .arg(*product, 4, 16, QChar(u'0'))
                                .arg(m_access->lastError()));
        return false;
    }
    for (const HidDeviceInfo& candidate : candidates) {
        const QString path = QString::fromLocal8Bit(candidate.path);
        if (candidate.outputReportLength < MinUsableOutputReportLength) {
            reportSearchFailure(QStringLiteral("%1 declares output reports of %2 bytes, too short")
                                    .arg(path)
                                    .arg(candidate.outputReportLength));
            continue;
        }
        std::unique_ptr<HidDeviceHandle> writeHandle = m_access->open(candidate.path);
        if (!writeHandle) {
            if (m_access->lastOpenDenied()) {
                m_unavailable = Unavailable::NotPermitted;
            }
            reportSearchFailure(
                QStringLiteral("cannot open %1: %2").arg(path, m_access->lastError()));
            continue;
        }
        std::unique_ptr<HidDeviceHandle> readHandle = m_access->open(candidate.path);
        if (!readHandle) {
            reportSearchFailure(
                QStringLiteral("cannot open %1 for reading: %2").arg(path, m_access->lastError()));
            continue;
        }
        m_writeHandle = std::move(writeHandle);
        m_readHandle = std::move(readHandle);
        m_devicePath = candidate.path;
        m_inputReportLength = candidate.inputReportLength;
        m_outputReportLength = candidate.outputReportLength;
        m_lastSearchFailure.clear();
        if (m_autoReadData) {
            startReader();
        }
        return true;
    }
    return false;
}

void HidApiComm::reportSearchFailure(const QString& reason)
{
    if (reason != m_lastSearchFailure) {
        qCWarning(lcHid, "USB: %s", qPrintable(reason));
        m_lastSearchFailure = reason;
    }
}

void HidApiComm::searchTick()
{
    if (isOpen()) {
        m_searchTimer.stop();
        return;
    }
    if (openFirstMatch()) {
        m_searchTimer.stop();
        Q_EMIT Plug(true);
    }
}

void HidApiComm::startReader()
{
    Q_ASSERT(m_readHandle && !m_reader);
    m_reader = std::make_unique<HidReadThread>(*m_readHandle, m_inputReportLength);
    const quint64 generation = ++m_readerGeneration;
    // The thread emits on itself; these run queued on this object's (the GUI) thread.
    connect(m_reader.get(), &HidReadThread::reportRead, this,
            [this, generation](const QByteArray& report) {
                if (generation == m_readerGeneration) {
                    deliverInputReport(report);
                }
            });
    connect(m_reader.get(), &HidReadThread::readFailed, this,
            [this, generation](const QString& error) {
                if (generation == m_readerGeneration) {
                    dropDevice(QStringLiteral("reading failed: %1").arg(error));
                }
            });
    m_reader->start();
}

void HidApiComm::stopReader()
{
    if (!m_reader) {
        return;
    }
    m_reader->stop();
    m_reader.reset();
    ++m_readerGeneration;
}

void HidApiComm::closeDevice()
{
    // The reader must have ended before the handle it blocks on goes away.
    stopReader();
    m_readHandle.reset();
    m_writeHandle.reset();
    m_devicePath.clear();
    m_inputReportLength = 0;
    m_outputReportLength = 0;
}

void HidApiComm::dropDevice(const QString& reason)
{
    qCWarning(lcHid, "USB: %s; searching for the device again", qPrintable(reason));
    closeDevice();
    m_searchTimer.start();
    Q_EMIT Plug(false);
}

bool HidApiComm::writeReport(const QByteArray& report)
{
    if (!m_writeHandle) {
        return false;
    }
    if (m_writeHandle->write(report)) {
        return true;
    }
    dropDevice(QStringLiteral("writing failed: %1").arg(m_writeHandle->lastError()));
    return false;
}

bool HidApiComm::ReadData(QByteArray& data)
{
    if (m_autoReadData) {
        return false;
    }
    if (!isOpen() && !Connect()) {
        return false;
    }
    std::optional<QByteArray> report = readOneReport();
    if (!report) {
        if (!Connect()) {
            return false;
        }
        report = readOneReport();
    }
    // A time-out is not a device fault: the device stays open and nothing is retried.
    if (!report || report->isEmpty()) {
        return false;
    }
    data = report->sliced(1);
    return true;
}

std::optional<QByteArray> HidApiComm::readOneReport()
{
    std::optional<QByteArray> report = m_readHandle->read(m_inputReportLength, m_readTimeOut);
    if (!report) {
        dropDevice(QStringLiteral("reading failed: %1").arg(m_readHandle->lastError()));
    }
    return report;
}

void HidApiComm::setVendorID(const QString& literal)
{
    if (literal != m_vendorID) {
        m_vendorID = literal;
        idsChanged();
    }
}

void HidApiComm::setProductID(const QString& literal)
{
    const QString vendor = literal.isEmpty() ? DefaultVendorID : m_vendorID;
    const QString product = literal.isEmpty() ? DefaultProductID : literal;
    if (vendor != m_vendorID || product != m_productID) {
        m_vendorID = vendor;
        m_productID = product;
        idsChanged();
    }
}

void HidApiComm::idsChanged()
{
    // An open device was found with the old ids; look for the new ones instead.
    if (isOpen()) {
        closeDevice();
        m_searchTimer.start();
        Q_EMIT Plug(false);
    }
}

void HidApiComm::setAutoReadData(bool on)
{
    if (on == m_autoReadData) {
        return;
    }
    m_autoReadData = on;
    if (!isOpen()) {
        return;
    }
    if (on) {
        startReader();
    } else {
        stopReader();
    }
}

void HidApiComm::setReadTimeOut(std::chrono::milliseconds timeout)
{
    m_readTimeOut = std::max(timeout, std::chrono::milliseconds::zero());
}
