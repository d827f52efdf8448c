// The simulated processor, fed output reports made from the fuzzer's bytes, must take every frame
// as a processor would: it keeps only frames of the length their type and length byte promise,
// never reads past one, and answers with well-formed input reports. The first byte picks the
// fault the processor injects; then each piece is a control byte and the report's bytes after
// its id (the control byte's top bit damages the report id, its other bits give the size).
#include "Frames.h"
#include "FuzzCheck.h"
#include "HidReports.h"
#include "ParamBlocks.h"
#include "SimProcessor.h"

#include <QCoreApplication>
#include <cstdint>

namespace {

int expectedFrameLength(const SimProcessor::ReceivedFrame& frame)
{
    if (frame.type == int(Frames::Type::BlockWrite) ||
        frame.type == int(Frames::Type::MenuShowWrite)) {
        const auto block = blockAtBase(frame.address);
        return block ? 3 * block->size + 5 : -1;
    }
    return frame.type == int(Frames::Type::PasswordWrite) ? Frames::PasswordFrameLength
                                                          : Frames::SingleFrameLength;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    SimProcessor sim;
    sim.setFault(SimFault(data[0] % SimFaultKindCount));
    QObject::connect(&sim, &SimProcessor::inputReport, &sim, [&sim](const QByteArray& report) {
        FUZZ_CHECK(report.size() == sim.inputReportLength());
        FUZZ_CHECK(HidReports::parseInputReport(report));
    });

    size_t at = 1;
    while (at < size) {
        const quint8 control = data[at++];
        const size_t reportBytes = qMin<size_t>(size - at, control & 0x7F);
        QByteArray report(1, char(control & 0x80 ? 0x02 : HidReports::OutputReportId));
        report.append(reinterpret_cast<const char*>(data + at), qsizetype(reportBytes));
        report.resize(qMax<qsizetype>(report.size(), sim.outputReportLength()), '\0');
        at += reportBytes;
        sim.receiveOutputReport(report);
    }
    // Every answer is delivered through the event loop, one report per timer tick.
    while (sim.pendingReports() > 0 && sim.isPlugged()) {
        QCoreApplication::processEvents();
    }
    for (const SimProcessor::ReceivedFrame& frame : sim.receivedFrames()) {
        FUZZ_CHECK(frame.bytes.size() == expectedFrameLength(frame));
        FUZZ_CHECK(Frames::checksum(QByteArrayView(frame.bytes).chopped(1)) ==
                   quint8(frame.bytes.back()));
    }
    return 0;
}
