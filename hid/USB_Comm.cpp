#include "USB_Comm.h"

#include "HidReports.h"

bool USB_Comm::SendData(const QByteArray& data)
{
    if (outputReportLength() == 0 && !Connect()) {
        return false;
    }
    if (data.isEmpty()) {
        return false;
    }
    if (outputReportLength() > HidReports::MaxReportLength) {
        // The write would not fit the report buffer; refuse this write but keep running, so that
        // the user's unsaved edits survive.
        Q_EMIT failureMessage(tr("操作USB设备失败！"));
        return false;
    }
    for (const QByteArray& report : HidReports::buildOutputReports(data, outputReportLength())) {
        if (writeReport(report)) {
            continue;
        }
        if (!Connect() || !writeReport(report)) {
            return false;
        }
    }
    return true;
}

void USB_Comm::deliverInputReport(QByteArrayView report)
{
    if (auto payload = HidReports::parseInputReport(report)) {
        Q_EMIT DataArrival(*payload);
    }
}
