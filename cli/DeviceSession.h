#pragma once

#include "BulkTransfer.h"
#include "ConnectionSupervisor.h"
#include "DeviceLink.h"
#include "ParamModel.h"
#include "ProcessorTransport.h"
#include "StreamMessages.h"

#include <memory>

class LinkMessages;
struct CliOptions;

// The objects one command needs to talk to a processor: the store (factory defaults until the
// processor is read), the transport (the simulated processor or the real one), the link, the
// bulk transfers and the handshake. With a simulator state file, the simulated processor's
// memory is loaded from it when the session opens and written back when it closes.
class DeviceSession
{
public:
    DeviceSession(const CliOptions& options, QTextStream& err);
    ~DeviceSession();

    // Loads the simulator's state and opens the processor; false (said why) when either fails.
    bool open();
    // Writes the simulator's state back; false (said why) when that fails.
    bool close();

    ParamModel& model() { return m_model; }
    DeviceLink& link() { return *m_link; }
    BulkTransfer& bulk() { return *m_bulk; }
    UserMessages& messages() { return m_messages; }

    // The bare handshake frame, one attempt: true when the processor answered 0x33, 0x00.
    QCoro::Task<bool> sendHandshakeFrame();
    // The full handshake: online and the whole store read from the processor.
    QCoro::Task<bool> Handshake() { return m_supervisor->Handshake(); }

private:
    ParamModel m_model;
    StreamMessages m_messages;
    ProcessorTransport m_processor;
    std::unique_ptr<DeviceLink> m_link;
    std::unique_ptr<LinkMessages> m_linkMessages;
    std::unique_ptr<BulkTransfer> m_bulk;
    std::unique_ptr<ConnectionSupervisor> m_supervisor;
};
