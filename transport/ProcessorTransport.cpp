#include "ProcessorTransport.h"

#include "HidApiComm.h"
#include "HidApiLibrary.h"
#include "ProcessorUsbIds.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "SimulatedComm.h"
#include "UserMessages.h"

#include <QDir>
#include <QFileInfo>

ProcessorTransport::ProcessorTransport(bool simulate, const QString& stateFile,
                                       UserMessages& messages)
    : m_stateFile(simulate ? stateFile : QString())
    , m_messages(messages)
{
    if (simulate) {
        m_simulator = std::make_unique<SimProcessor>();
        m_transport = std::make_unique<SimulatedComm>(*m_simulator);
    } else {
        auto hid = std::make_unique<HidApiComm>();
        hid->setVendorID(ProcessorUsbIds::literal(ProcessorUsbIds::VendorId));
        hid->setProductID(ProcessorUsbIds::literal(ProcessorUsbIds::ProductId));
        hid->setReadTimeOut(0);
        m_transport = std::move(hid);
    }
    QObject::connect(m_transport.get(), &USB_Comm::failureMessage, m_transport.get(),
                     [this](const QString& text) {
                         m_messages.showMessage(UserMessages::Icon::Exclamation, text);
                     });
}

ProcessorTransport::~ProcessorTransport() = default;

bool ProcessorTransport::loadState(int lockWaitMs)
{
    if (m_stateFile.isEmpty()) {
        return true;
    }
    // The default file's folder does not exist before the first run, and the lock lives beside
    // the file; a folder that cannot be made is reported by the lock.
    QDir().mkpath(QFileInfo(m_stateFile).absolutePath());
    m_lock = std::make_unique<StateFileLock>(m_stateFile);
    QString error;
    if (!m_lock->acquire(lockWaitMs, error)) {
        m_lock.reset();
        m_messages.showMessage(UserMessages::Icon::Critical, error);
        return false;
    }
    if (SimStateFile::load(m_stateFile, m_simulator->memory(), m_messages) ==
        SimStateFile::LoadResult::Failed) {
        m_lock.reset();
        return false;
    }
    m_loadedMemory = std::make_unique<ParamModel>(m_simulator->memory());
    return true;
}

bool ProcessorTransport::saveState()
{
    // Only a memory that was loaded under the lock may replace the file.
    if (!m_lock) {
        return true;
    }
    // What the file keeps: the parameters, the menu-show flags and the password.
    const ParamModel& memory = m_simulator->memory();
    if (memory.store() == m_loadedMemory->store() &&
        memory.menuShow() == m_loadedMemory->menuShow() &&
        memory.password() == m_loadedMemory->password()) {
        return true;
    }
    return SimStateFile::save(m_stateFile, memory, m_messages);
}

QList<HidDeviceInfo> ProcessorTransport::present(bool simulate)
{
    if (!simulate) {
        return HidApiLibrary().devices(ProcessorUsbIds::VendorId, ProcessorUsbIds::ProductId);
    }
    const SimProcessor processor;
    return {{"simulated processor", ProcessorUsbIds::VendorId, ProcessorUsbIds::ProductId,
             processor.inputReportLength(), processor.outputReportLength()}};
}
