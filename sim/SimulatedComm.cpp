#include "SimulatedComm.h"

#include "SimProcessor.h"

SimulatedComm::SimulatedComm(SimProcessor& processor, QObject* parent)
    : USB_Comm(parent)
    , m_processor(processor)
{
    connect(&m_processor, &SimProcessor::inputReport, this, [this](const QByteArray& report) {
        if (m_open) {
            deliverInputReport(report);
        }
    });
    connect(&m_processor, &SimProcessor::plugChanged, this, [this](bool plugged) {
        // A real device is found again by the transport's own search; do the same here.
        if (plugged) {
            Connect();
        } else {
            m_open = false;
            Q_EMIT Plug(false);
        }
    });
    Connect();
}

bool SimulatedComm::Connect()
{
    m_open = m_processor.isPlugged();
    Q_EMIT Plug(m_open);
    return m_open;
}

int SimulatedComm::outputReportLength() const
{
    return m_open ? m_processor.outputReportLength() : 0;
}

int SimulatedComm::inputReportLength() const
{
    return m_open ? m_processor.inputReportLength() : 0;
}

bool SimulatedComm::writeReport(const QByteArray& report)
{
    if (!m_open || !m_processor.isPlugged()) {
        m_open = false;
        return false;
    }
    m_processor.receiveOutputReport(report);
    return true;
}
