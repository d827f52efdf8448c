#include "ProcessorTransport.h"

#include "FileName.h"
#include "HidApiComm.h"
#include "HidApiLibrary.h"
#include "LocalPath.h"
#include "ProcessorUsbIds.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "SimulatedComm.h"
#include "UserMessages.h"

ProcessorTransport::ProcessorTransport(bool simulate, const QString& stateFile,
                                       UserMessages& messages)
    : m_stateFile(simulate ? stateFile : QString())
    , m_messages(messages)
{
    if (simulate) {
        m_simulator = std::make_unique<SimProcessor>();
        m_transport = std::make_unique<SimulatedComm>(*m_simulator);
        QObject::connect(m_simulator.get(), &SimProcessor::memoryWritten, m_simulator.get(),
                         [this] { m_unsaved = true; });
    } else {
        auto hid = std::make_unique<HidApiComm>();
        hid->setVendorID(ProcessorUsbIds::literal(ProcessorUsbIds::VendorId));
        hid->setProductID(ProcessorUsbIds::literal(ProcessorUsbIds::ProductId));
        hid->setReadTimeOut(std::chrono::milliseconds::zero());
        m_transport = std::move(hid);
    }
    QObject::connect(m_transport.get(), &USB_Comm::failureMessage, m_transport.get(),
                     [this](const QString& text) {
                         m_messages.showMessage(UserMessages::Icon::Exclamation, text);
                     });
}

ProcessorTransport::~ProcessorTransport() = default;

bool ProcessorTransport::loadState(std::chrono::milliseconds lockWait)
{
    if (m_stateFile.isEmpty()) {
        return true;
    }
    // The default file's folder does not exist before the first run, and the lock lives beside
    // the file; a folder that cannot be made is reported by the lock.
    LocalPath::makeFolders(
        LocalPath::folderOf(LocalPath::absolute(FileName::toBytes(m_stateFile))));
    m_lock = std::make_unique<StateFileLock>(m_stateFile);
    QString error;
    if (!m_lock->acquire(lockWait, error)) {
        m_lock.reset();
        m_messages.showMessage(UserMessages::Icon::Critical, error);
        return false;
    }
    if (SimStateFile::load(m_stateFile, m_simulator->memory(), m_messages) ==
        SimStateFile::LoadResult::Failed) {
        m_lock.reset();
        return false;
    }
    m_savedMemory = std::make_unique<ParamModel>(m_simulator->memory());
    return true;
}

bool ProcessorTransport::saveState()
{
    m_unsaved = true;
    return saveChangedState();
}

bool ProcessorTransport::saveChangedState(bool sayFailure)
{
    // Only a memory that was loaded under the lock may replace the file.
    if (!m_lock || !m_unsaved) {
        return true;
    }
    // What the file keeps: the parameters, the menu-show flags and the password. Written back
    // with the same values, it stays as it is.
    const ParamModel& memory = m_simulator->memory();
    if (memory.store() == m_savedMemory->store() &&
        memory.menuShow() == m_savedMemory->menuShow() &&
        memory.password() == m_savedMemory->password()) {
        m_unsaved = false;
        return true;
    }
    class Silent : public UserMessages
    {
        void showMessage(Icon, const QString&, Dismissed) override {}
    } silent;
    m_unsaved = !SimStateFile::save(m_stateFile, memory,
                                    sayFailure ? m_messages : static_cast<UserMessages&>(silent));
    if (!m_unsaved) {
        *m_savedMemory = memory;
    }
    return !m_unsaved;
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
