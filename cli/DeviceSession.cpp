#include "DeviceSession.h"

#include "CliOptions.h"
#include "LinkMessages.h"
#include "LinkSequence.h"
#include "USB_Comm.h"

#include <QCoreApplication>

DeviceSession::DeviceSession(const CliOptions& options, QTextStream& err)
    : m_messages(err)
    , m_processor(options.simulate, options.simulatorState, m_messages)
{
    m_model.InitDefaults(ParamModel::FactoryReset);
    if (m_processor.simulator()) {
        options.faults.applyTo(*m_processor.simulator());
    }
    LinkTimings timings;
    timings.scale = options.timeoutScale;
    m_link = std::make_unique<DeviceLink>(m_model, m_processor.transport(), timings);
    m_linkMessages = std::make_unique<LinkMessages>(*m_link, m_messages);
    m_bulk = std::make_unique<BulkTransfer>(*m_link);
    m_supervisor = std::make_unique<ConnectionSupervisor>(*m_link, *m_bulk);
    if (options.log) {
        m_link->log().setFollowed(true);
        QObject::connect(&m_link->log(), &CommLog::entryAppended, m_link.get(),
                         [&err](const QString& entry) { err << entry << '\n'
                                                            << Qt::flush; });
    }
}

DeviceSession::~DeviceSession() = default;

bool DeviceSession::open()
{
    const LinkTimings& timings = m_link->timings();
    if (!m_processor.loadState(timings.scaled(StateFileLock::DefaultWait))) {
        return false;
    }
    USB_Comm& transport = m_processor.transport();
    if (!transport.isOpen() && !transport.Connect()) {
        m_messages.showMessage(UserMessages::Icon::Exclamation,
                               QCoreApplication::translate("DeviceSession", "no processor found"));
        return false;
    }
    return true;
}

QCoro::Task<bool> DeviceSession::sendHandshakeFrame()
{
    LinkSequence sequence(*m_link);
    co_return co_await ConnectionSupervisor::sendHandshakeFrame(sequence);
}

bool DeviceSession::close()
{
    return m_processor.saveState();
}
