#pragma once

#include <QByteArray>
#include <QObject>

// The processor's USB HID link as the rest of the program sees it: byte arrays go out with
// SendData, payloads of input reports come back through DataArrival. It knows nothing of frames
// or checksums. Backends (hidapi, the simulated processor, test fakes) supply the device access.
class USB_Comm : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Sends data as consecutive output reports. A report that cannot be written causes one
    // reconnect and one more try of that report; false when it still fails (the reports before
    // it have gone out), when no device can be opened, or when data is empty.
    bool SendData(const QByteArray& data);

    // Why no device is open, for the user: none is present, or one is but this user may not
    // open it.
    enum class Unavailable
    {
        NotFound,
        NotPermitted
    };

    // Finds and opens the device; raises Plug with the outcome.
    virtual bool Connect() = 0;
    virtual bool isOpen() const = 0;
    // As of the last search; meaningless while a device is open.
    virtual Unavailable unavailableReason() const { return Unavailable::NotFound; }
    // Report lengths in bytes, report id included; 0 while no device is open.
    virtual int outputReportLength() const = 0;
    virtual int inputReportLength() const = 0;

Q_SIGNALS:
    // The payload of one input report (its length byte's worth of bytes).
    void DataArrival(const QByteArray& payload);
    void Plug(bool connected);
    // A failure the user has to hear about (the owner shows it).
    void failureMessage(const QString& text);

protected:
    virtual bool writeReport(const QByteArray& report) = 0;

    // Backends hand every report they read to this; malformed reports are dropped here.
    void deliverInputReport(QByteArrayView report);
};
