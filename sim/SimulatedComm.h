#pragma once

#include "USB_Comm.h"

class SimProcessor;

// The transport to the simulated processor: output reports go straight to it, its input reports
// come back through the event loop. Unplugging the simulated processor makes writes fail and
// Connect find nothing until it is plugged in again, as with the real device.
class SimulatedComm : public USB_Comm
{
    Q_OBJECT

public:
    explicit SimulatedComm(SimProcessor& processor, QObject* parent = nullptr);

    bool Connect() override;
    bool isOpen() const override { return m_open; }
    int outputReportLength() const override;
    int inputReportLength() const override;

    SimProcessor& processor() { return m_processor; }

protected:
    bool writeReport(const QByteArray& report) override;

private:
    SimProcessor& m_processor;
    bool m_open = false;
};
