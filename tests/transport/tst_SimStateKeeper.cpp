#include "FramePayload.h"
#include "ProcessorTransport.h"
#include "RecordingMessages.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "SimStateKeeper.h"
#include "USB_Comm.h"

#include <QDir>
#include <QEvent>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>

// The simulated processor keeps its memory as a processor does, and a state file that cannot be
// written says what the system said, once while it goes on failing and again at closing.
class tst_SimStateKeeper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedWithoutAnOrderlyEnd_data()
    {
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<bool>("takenBack"); // then written back to what was loaded
        QTest::newRow("a moment after the last write") << 50 << false;
        QTest::newRow("when the window is asked to close") << 600000 << false;
        QTest::newRow("a change taken back after it was saved") << 50 << true;
    }

    void savedWithoutAnOrderlyEnd()
    {
        QFETCH(int, quietMs);
        QFETCH(bool, takenBack);
        const QString state = m_dir.filePath(QStringLiteral("state.PA"));
        QFile::remove(state);
        RecordingMessages messages;
        ProcessorTransport processor(true, state, messages);
        QVERIFY(processor.loadState());
        SimStateKeeper keeper(processor, std::chrono::milliseconds(quietMs));
        QObject window;
        keeper.saveOnClose(&window);
        const quint8 loaded =
            processor.simulator()->memory().store().value(ParamField::Value, 0, 0x40);
        write(processor, 7);
        write(processor, 33);
        QVERIFY(!QFile::exists(state)); // not for every write of a drag
        if (quietMs > 1000) {
            QEvent close(QEvent::Close);
            QCoreApplication::sendEvent(&window, &close);
        }
        SimProcessor saved;
        const auto savedValue = [&] {
            SimStateFile::load(state, saved.memory(), messages);
            return saved.memory().store().value(ParamField::Value, 0, 0x40);
        };
        QTRY_COMPARE(savedValue(), quint8(33));
        if (takenBack) {
            write(processor, loaded);
            QTRY_COMPARE(savedValue(), loaded);
        }
    }

    // Presets share the file writing; the lock is made apart.
    void fullDiskSaysSo_data()
    {
        QTest::addColumn<bool>("lockFirst");
        QTest::newRow("state file") << true;
        QTest::newRow("state file lock") << false;
    }

    void fullDiskSaysSo()
    {
        QFETCH(bool, lockFirst);
        QTemporaryDir dir;
        const QByteArray disk = QFile::encodeName(dir.path());
        if (::mount("tonvexa-test", disk.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("no small tmpfs can be mounted here (needs root)");
        }
        const auto unmount = qScopeGuard([&disk] { ::umount(disk.constData()); });
        RecordingMessages messages;
        ProcessorTransport processor(true, dir.filePath(QStringLiteral("state.PA")), messages);
        QCOMPARE(!lockFirst || processor.loadState(), true);
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        if (lockFirst) {
            SimStateKeeper keeper(processor, std::chrono::milliseconds(20));
            QObject window;
            keeper.saveOnClose(&window);
            write(processor, 33);
            QTRY_COMPARE(messages.shown.size(), 1);
            write(processor, 34);
            QTest::qWait(100);
            QCOMPARE(messages.shown.size(), 1);
            QEvent close(QEvent::Close);
            QCoreApplication::sendEvent(&window, &close);
            QCOMPARE(messages.shown.size(), 2);
        } else {
            QVERIFY(!processor.loadState());
        }
        for (const QString& text : messages.texts()) {
            QVERIFY2(text.contains(u"No space left on device"), qPrintable(text));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(u".tmp"),
                 QStringList());
    }

private:
    // Writes address 0x40 of the simulated processor as the link would.
    static void write(ProcessorTransport& processor, int value)
    {
        const ParamModel model;
        processor.transport().SendData(
            *FramePayload::frame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), value, model));
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_SimStateKeeper)
#include "tst_SimStateKeeper.moc"
