#pragma once

#include "DeviceLink.h"
#include "ParamModel.h"
#include "StderrMessages.h"

#include <memory>

class SimProcessor;
class USB_Comm;
struct CliOptions;

// The objects one command needs to talk to a processor: the store (factory defaults until the
// processor is read), the transport (the simulated processor or the real one) and the link.
class DeviceSession
{
public:
    DeviceSession(const CliOptions& options, QTextStream& err);
    ~DeviceSession();

    ParamModel& model() { return m_model; }
    DeviceLink& link() { return *m_link; }
    // Null unless the session runs against the simulated processor.
    SimProcessor* simulator() { return m_simulator.get(); }

    // A processor (real or simulated) was found and opened.
    bool isConnected() const;
    // The bare handshake frame, one attempt: true when the processor answered 0x33, 0x00.
    bool sendHandshakeFrame();

private:
    ParamModel m_model;
    StderrMessages m_messages;
    std::unique_ptr<SimProcessor> m_simulator;
    std::unique_ptr<USB_Comm> m_transport;
    std::unique_ptr<DeviceLink> m_link;
};
