#pragma once

#include "HidDeviceAccess.h"
#include "USB_Comm.h"

#include <QTimer>
#include <memory>
#include <optional>

class HidReadThread;

// The transport to a real processor through hidapi. It opens the first present device with the
// configured ids twice: one handle for writing on the GUI thread, one for reading, so the reader
// thread shares no state with the writes.
//
// With AutoReadData on, a reader thread waits for input reports and hands each to the GUI
// thread, where it becomes DataArrival. A failed read or write closes the device (the reader
// stopped first, so no handle is closed under a blocked read) and starts a search every
// SearchInterval until the device is back: unplugging and replugging needs no action from the
// owner. Plug is raised at the end of every Connect and whenever the state changes.
class HidApiComm : public USB_Comm
{
    Q_OBJECT
    Q_PROPERTY(QString VendorID READ vendorID WRITE setVendorID)
    Q_PROPERTY(QString ProductID READ productID WRITE setProductID)
    Q_PROPERTY(bool AutoReadData READ autoReadData WRITE setAutoReadData)
    Q_PROPERTY(int ReadTimeOut READ readTimeOutMs WRITE setReadTimeOutMs)

public:
    // The control's own defaults; the owner sets the processor's ids (ProcessorUsbIds).
    static inline const QString DefaultVendorID = QStringLiteral("&H473");
    static inline const QString DefaultProductID = QStringLiteral("&H3023");
    static constexpr std::chrono::milliseconds DefaultReadTimeOut{500};
    static constexpr std::chrono::milliseconds SearchInterval{500};

    // Uses hidapi.
    explicit HidApiComm(QObject* parent = nullptr);
    explicit HidApiComm(std::unique_ptr<HidDeviceAccess> access, QObject* parent = nullptr);
    ~HidApiComm() override;

    // Opens the device unless one is open already; raises Plug with the outcome.
    bool Connect() override;
    bool isOpen() const override { return m_writeHandle != nullptr; }
    Unavailable unavailableReason() const override { return m_unavailable; }
    int outputReportLength() const override { return m_outputReportLength; }
    int inputReportLength() const override { return m_inputReportLength; }

    // Reads one input report, waiting up to readTimeOut(), into data without its report id
    // (the length byte, the payload and the padding). Only when AutoReadData is off; false at
    // once otherwise, and false when no report came in time. A failed read reopens the device
    // and reads once more.
    bool ReadData(QByteArray& data);

    QString vendorID() const { return m_vendorID; }
    void setVendorID(const QString& literal);
    QString productID() const { return m_productID; }
    // An empty product id resets both ids to their defaults.
    void setProductID(const QString& literal);
    bool autoReadData() const { return m_autoReadData; }
    void setAutoReadData(bool on);
    std::chrono::milliseconds readTimeOut() const { return m_readTimeOut; }
    // Negative values count as 0: ReadData never waits without end.
    void setReadTimeOut(std::chrono::milliseconds timeout);
    int readTimeOutMs() const { return int(m_readTimeOut.count()); }
    void setReadTimeOutMs(int ms) { setReadTimeOut(std::chrono::milliseconds(ms)); }

    QByteArray devicePath() const { return m_devicePath; }
    bool isSearching() const { return m_searchTimer.isActive(); }

    // A USB id written as a number literal ("&H483", "1155"); nothing unless it is 0..65535.
    static std::optional<quint16> usbId(QStringView literal);

protected:
    bool writeReport(const QByteArray& report) override;

private:
    bool openFirstMatch();
    void startReader();
    void stopReader();
    void closeDevice();
    // After a failed read or write: close, tell the owner, search until the device is back.
    void dropDevice(const QString& reason);
    void idsChanged();
    void searchTick();
    void reportSearchFailure(const QString& reason);
    std::optional<QByteArray> readOneReport();

    std::unique_ptr<HidDeviceAccess> m_access;

    QString m_vendorID = DefaultVendorID;
    QString m_productID = DefaultProductID;
    bool m_autoReadData = true;
    std::chrono::milliseconds m_readTimeOut = DefaultReadTimeOut;

    std::unique_ptr<HidDeviceHandle> m_writeHandle;
    std::unique_ptr<HidDeviceHandle> m_readHandle;
    std::unique_ptr<HidReadThread> m_reader;
    // Counts readers started; a queued report or failure of an earlier reader is stale.
    quint64 m_readerGeneration = 0;
    QByteArray m_devicePath;
    int m_inputReportLength = 0;
    int m_outputReportLength = 0;

    QTimer m_searchTimer;
    // The last reason a search failed, so a search repeated every half second warns once.
    QString m_lastSearchFailure;
    Unavailable m_unavailable = Unavailable::NotFound;
};
