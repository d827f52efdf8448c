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

bool ProcessorTransport::loadState()
{
    return m_stateFile.isEmpty() ||
           SimStateFile::load(m_stateFile, m_simulator->memory(), m_messages) !=
               SimStateFile::LoadResult::Failed;
}

bool ProcessorTransport::saveState()
{
    if (m_stateFile.isEmpty()) {
        return true;
    }
    // The default file's folder does not exist before the first run; a missing folder that
    // cannot be made is reported by the save below.
    QDir().mkpath(QFileInfo(m_stateFile).absolutePath());
    return SimStateFile::save(m_stateFile, m_simulator->memory(), m_messages);
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
