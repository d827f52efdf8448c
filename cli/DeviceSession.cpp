#include "DeviceSession.h"

#include "CliOptions.h"
#include "HidApiComm.h"
#include "ProcessorUsbIds.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "SimulatedComm.h"

DeviceSession::DeviceSession(const CliOptions& options, QTextStream& err)
    : m_simulatorState(options.simulatorState)
    , m_messages(err)
{
    m_model.InitDefaults(ParamModel::FactoryReset);
    if (options.simulate) {
        m_simulator = std::make_unique<SimProcessor>();
        m_transport = std::make_unique<SimulatedComm>(*m_simulator);
    } else {
        auto hid = std::make_unique<HidApiComm>();
        hid->setVendorID(ProcessorUsbIds::VendorID);
        hid->setProductID(ProcessorUsbIds::ProductID);
        hid->setReadTimeOut(0);
        m_transport = std::move(hid);
    }
    LinkTimings timings;
    timings.scale = options.timeoutScale;
    m_link = std::make_unique<DeviceLink>(m_model, *m_transport, m_messages, timings);
    m_bulk = std::make_unique<BulkTransfer>(*m_link, static_cast<BulkTransferUi&>(*this));
    m_supervisor = std::make_unique<ConnectionSupervisor>(*m_link, *m_bulk);
    if (options.log) {
        m_link->log().setEnabled(true);
        QObject::connect(&m_link->log(), &CommLog::entryAppended, m_link.get(),
                         [&err](const QString& entry) { err << entry << '\n'
                                                            << Qt::flush; });
    }
}

DeviceSession::~DeviceSession() = default;

bool DeviceSession::open()
{
    if (m_simulator && !m_simulatorState.isEmpty() &&
        SimStateFile::load(m_simulatorState, m_simulator->memory(), m_messages) ==
            SimStateFile::LoadResult::Failed) {
        return false;
    }
    if (!m_transport->isOpen() && !m_transport->Connect()) {
        m_messages.showMessage(UserMessages::Icon::Exclamation,
                               QStringLiteral("no processor found"));
        return false;
    }
    return true;
}

bool DeviceSession::close()
{
    return !m_simulator || m_simulatorState.isEmpty() ||
           SimStateFile::save(m_simulatorState, m_simulator->memory(), m_messages);
}
