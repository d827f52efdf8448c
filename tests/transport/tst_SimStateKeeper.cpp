#include "Frames.h"
#include "ProcessorTransport.h"
#include "RecordingMessages.h"
#include "SavePreset.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "SimStateKeeper.h"
#include "USB_Comm.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>

namespace {

constexpr int Address = 0x40;

// Writes one parameter of the simulated processor as the link would.
void writeParameter(ProcessorTransport& processor, int value)
{
    ParamModel model;
    processor.transport().SendData(*Frames::build(Frames::ParamWrite, 0, Address, value, model));
}

int storedValue(const QString& state)
{
    SimProcessor device;
    RecordingMessages quiet;
    SimStateFile::load(state, device.memory(), quiet);
    return device.memory().store().value(0, 0, Address);
}

} // namespace

// The simulated processor keeps its memory as a processor does, and a file that cannot be written
// says what the system said.
class tst_SimStateKeeper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedWithoutAnOrderlyEnd_data()
    {
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<bool>("closeAsked");
        QTest::newRow("a moment after the last write") << 50 << false;
        QTest::newRow("when the window is asked to close") << 600000 << true;
    }

    void savedWithoutAnOrderlyEnd()
    {
        QFETCH(int, quietMs);
        QFETCH(bool, closeAsked);
        QTemporaryDir dir;
        const QString state = dir.filePath(QStringLiteral("state.PA"));
        RecordingMessages messages;
        ProcessorTransport processor(true, state, messages);
        QVERIFY(processor.loadState());
        SimStateKeeper keeper(processor, quietMs);
        QObject window;
        keeper.saveOnClose(&window);
        writeParameter(processor, 7);
        writeParameter(processor, 33);
        QVERIFY(!QFile::exists(state)); // not for every write of a drag
        if (closeAsked) {
            QEvent close(QEvent::Close);
            QCoreApplication::sendEvent(&window, &close);
            QCOMPARE(storedValue(state), 33);
        }
        QTRY_COMPARE(storedValue(state), 33);
        QCOMPARE(messages.texts(), QStringList());
    }

    // On a full disk: the system's reason, for presets and state files alike; a failing state
    // file is told once, and again when the window closes.
    void fullDiskSaysSo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("said");
        QTest::newRow("preset") << "preset" << 1;
        QTest::newRow("state file lock") << "lock" << 1;
        QTest::newRow("state file") << "state" << 2;
    }

    void fullDiskSaysSo()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QByteArray disk = QFile::encodeName(dir.path());
        if (::mount("tonvexa-test", disk.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("no small tmpfs can be mounted here (needs root)");
        }
        const auto unmount = qScopeGuard([&disk] { ::umount(disk.constData()); });
        const auto fill = [&dir] {
            QFile filler(dir.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
            }
        };
        const QString state = dir.filePath(QStringLiteral("state.PA"));
        RecordingMessages messages;
        ProcessorTransport processor(true, state, messages);
        if (file == u"preset") {
            fill();
            ParamModel model;
            QVERIFY(!SavePreset(dir.filePath(QStringLiteral("x.PA")), model, messages));
        } else if (file == u"lock") {
            fill();
            QVERIFY(!processor.loadState());
        } else {
            QVERIFY(processor.loadState());
            fill();
            SimStateKeeper keeper(processor, 20);
            QObject window;
            keeper.saveOnClose(&window);
            writeParameter(processor, 33);
            QTRY_COMPARE(messages.shown.size(), 1);
            writeParameter(processor, 34);
            QTest::qWait(100);
            QCOMPARE(messages.shown.size(), 1);
            QEvent close(QEvent::Close);
            QCoreApplication::sendEvent(&window, &close);
        }
        QTEST(int(messages.shown.size()), "said");
        for (const QString& text : messages.texts()) {
            QVERIFY2(text.contains(u"No space left on device"), qPrintable(text));
        }
        // No temporary file is left behind on the full disk.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".tmp"),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SimStateKeeper)
#include "tst_SimStateKeeper.moc"
