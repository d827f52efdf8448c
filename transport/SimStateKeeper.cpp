#include "SimStateKeeper.h"

#include "ProcessorTransport.h"
#include "SimProcessor.h"

#include <QEvent>

SimStateKeeper::SimStateKeeper(ProcessorTransport& processor, std::chrono::milliseconds quiet,
                               QObject* parent)
    : QObject(parent)
    , m_processor(processor)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quiet);
    connect(&m_quiet, &QTimer::timeout, this, [this] { save(!m_failing); });
    if (SimProcessor* simulator = processor.simulator()) {
        connect(simulator, &SimProcessor::memoryWritten, &m_quiet, qOverload<>(&QTimer::start));
    }
}

void SimStateKeeper::saveOnClose(QObject* window)
{
    m_window = window;
    window->installEventFilter(this);
}

bool SimStateKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        save(true);
    }
    return QObject::eventFilter(watched, event);
}

void SimStateKeeper::save(bool sayFailure)
{
    m_quiet.stop();
    m_failing = !m_processor.saveChangedState(sayFailure);
}
