#include "FakeHidBus.h"
#include "FakeHidDeviceAccess.h"
#include "HidApiComm.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Long enough for the 500 ms search and the reader thread on a busy two-core machine.
constexpr int WaitMs = 5000;

const QByteArray ProcessorPath("/dev/hidraw3");

HidDeviceInfo processor(const QByteArray& path = ProcessorPath, int input = 65, int output = 65)
{
    return {path, 0x483, 0x6850, input, output};
}

// An input report as read: id, length byte, payload, zero padding up to size.
QByteArray inputReport(quint8 id, quint8 length, const QByteArray& payload, int size = 65)
{
    QByteArray report = QByteArray(1, char(id)) + char(length) + payload;
    report.resize(qMax(size, int(report.size())), '\0');
    return report;
}

// The transport on a fake bus, set up as the main window sets it up.
struct Rig
{
    Rig()
    {
        comm.setVendorID(QStringLiteral("&H483"));
        comm.setProductID(QStringLiteral("&H6850"));
    }

    QList<bool> plugs() const
    {
        QList<bool> outcomes;
        for (const QList<QVariant>& arguments : plugSpy) {
            outcomes.append(arguments.at(0).toBool());
        }
        return outcomes;
    }

    FakeHidBus bus;
    HidApiComm comm{std::make_unique<FakeHidDeviceAccess>(bus)};
    QSignalSpy plugSpy{&comm, &HidApiComm::Plug};
    QSignalSpy arrivals{&comm, &HidApiComm::DataArrival};
    QSignalSpy messages{&comm, &HidApiComm::failureMessage};
};

} // namespace

// The hidapi backend's logic on a fake bus: finding the device, splitting writes, reopening
// after failures, and the reader thread.
class tst_HidApiComm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usbId_data();
    void usbId();
    void emptyProductIdResetsBothIds();
    void connectMatchesIds_data();
    void connectMatchesIds();
    void connectSkipsDevicesItCannotUse();
    void connectWhileOpenKeepsTheDevice();
    void unavailableSaysWhy_data();
    void unavailableSaysWhy();
    void sendDataSplitsAndPads_data();
    void sendDataSplitsAndPads();
    void sendDataWithoutDeviceOrDataFails();
    void failedWriteReconnectsAndRetriesOnce();
    void writeFailingTwiceFailsAndSearchFindsTheDeviceAgain();
    void unpluggedDeviceIsFoundAgainAfterReplug();
    void oversizedReportFailsTheWriteAndKeepsRunning();
    void readerDeliversValidReportsInOrder();
    void readFailureClosesAndReopens();
    void destroyingStopsTheReaderBeforeClosing();
    void readDataReadsOneReportOnTheCallersThread();
    void readDataRefusedWhileAutoReading();
    void readDataReopensAfterAFailedRead();
    void changingIdsWhileOpenLooksForTheNewDevice();
};

void tst_HidApiComm::usbId_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<int>("expected"); // -1: not an id

    QTest::newRow("processor vendor") << "&H483" << 1155;
    QTest::newRow("processor product") << "&H6850" << 26704;
    QTest::newRow("lower-case prefix") << "&h473" << 0x473;
    QTest::newRow("decimal") << "26704" << 26704;
    QTest::newRow("largest") << "&HFFFF" << 0xFFFF;
    QTest::newRow("too large") << "&H10000" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("not a number") << "USB" << -1;
}

void tst_HidApiComm::usbId()
{
    QFETCH(QString, literal);
    QFETCH(int, expected);
    const std::optional<quint16> id = HidApiComm::usbId(literal);
    QCOMPARE(id.has_value() ? int(*id) : -1, expected);
}

void tst_HidApiComm::emptyProductIdResetsBothIds()
{
    Rig rig;
    rig.comm.setProductID(QString());
    QCOMPARE(rig.comm.vendorID(), QStringLiteral("&H473"));
    QCOMPARE(rig.comm.productID(), QStringLiteral("&H3023"));
}

void tst_HidApiComm::connectMatchesIds_data()
{
    QTest::addColumn<QString>("vendorLiteral");
    QTest::addColumn<QString>("productLiteral");
    QTest::addColumn<int>("deviceVendor");
    QTest::addColumn<int>("deviceProduct");
    QTest::addColumn<bool>("matches");

    QTest::newRow("processor ids") << "&H483"
                                   << "&H6850" << 1155 << 26704 << true;
    QTest::newRow("decimal ids") << "1155"
                                 << "26704" << 0x483 << 0x6850 << true;
    QTest::newRow("other vendor") << "&H484"
                                  << "&H6850" << 0x483 << 0x6850 << false;
    QTest::newRow("other product") << "&H483"
                                   << "&H6851" << 0x483 << 0x6850 << false;
    QTest::newRow("empty product: the defaults") << "&H483"
                                                 << "" << 0x473 << 0x3023 << true;
    QTest::newRow("empty product: not the processor") << "&H483"
                                                      << "" << 0x483 << 0x6850 << false;
    QTest::newRow("id out of range") << "&H10483"
                                     << "&H6850" << 0x483 << 0x6850 << false;
}

void tst_HidApiComm::connectMatchesIds()
{
    QFETCH(QString, vendorLiteral);
    QFETCH(QString, productLiteral);
    QFETCH(int, deviceVendor);
    QFETCH(int, deviceProduct);
    QFETCH(bool, matches);

    Rig rig;
    rig.comm.setVendorID(vendorLiteral);
    rig.comm.setProductID(productLiteral);
    rig.bus.plug({ProcessorPath, quint16(deviceVendor), quint16(deviceProduct), 65, 65});

    QCOMPARE(rig.comm.Connect(), matches);
    QCOMPARE(rig.plugs(), QList<bool>{matches});
    QCOMPARE(rig.comm.isOpen(), matches);
    QCOMPARE(rig.comm.outputReportLength(), matches ? 65 : 0);
    // Searching goes on in the background exactly while nothing is open.
    QCOMPARE(rig.comm.isSearching(), !matches);
}

void tst_HidApiComm::connectSkipsDevicesItCannotUse()
{
    Rig rig;
    rig.bus.plug(processor("/dev/hidraw1", 65, 2));
    rig.bus.plug(processor("/dev/hidraw2"), false);
    rig.bus.plug(processor("/dev/hidraw4", 33, 9));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("hidraw1 declares output reports of 2"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open /dev/hidraw2"));
    QVERIFY(rig.comm.Connect());
    QCOMPARE(rig.comm.devicePath(), QByteArray("/dev/hidraw4"));
    QCOMPARE(rig.comm.inputReportLength(), 33);
    QCOMPARE(rig.comm.outputReportLength(), 9);
}

void tst_HidApiComm::unavailableSaysWhy_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("openable");
    QTest::addColumn<HidApiComm::Unavailable>("reason");
    QTest::newRow("nothing plugged") << false << true << HidApiComm::Unavailable::NotFound;
    QTest::newRow("plugged, no permission")
        << true << false << HidApiComm::Unavailable::NotPermitted;
}

void tst_HidApiComm::unavailableSaysWhy()
{
    QFETCH(bool, plugged);
    QFETCH(bool, openable);
    Rig rig;
    if (plugged) {
        rig.bus.plug(processor(), openable);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("USB: "));
    QVERIFY(!rig.comm.Connect());
    QTEST(rig.comm.unavailableReason(), "reason");
}

void tst_HidApiComm::connectWhileOpenKeepsTheDevice()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());
    QVERIFY(rig.comm.Connect());
    QCOMPARE(rig.bus.opens(), 2); // one write and one read handle, opened once
    QCOMPARE(rig.plugs(), (QList<bool>{true, true}));
}

void tst_HidApiComm::sendDataSplitsAndPads_data()
{
    QTest::addColumn<int>("dataSize");
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<QList<int>>("payloadSizes");

    QTest::newRow("128 bytes in 65-byte reports") << 128 << 65 << QList<int>{63, 63, 2};
    QTest::newRow("exactly one report") << 63 << 65 << QList<int>{63};
    QTest::newRow("one byte over") << 64 << 65 << QList<int>{63, 1};
    QTest::newRow("one byte") << 1 << 65 << QList<int>{1};
    QTest::newRow("short reports") << 10 << 9 << QList<int>{7, 3};
    QTest::newRow("the largest report") << 70 << 67 << QList<int>{65, 5};
}

void tst_HidApiComm::sendDataSplitsAndPads()
{
    QFETCH(int, dataSize);
    QFETCH(int, reportLength);
    QFETCH(QList<int>, payloadSizes);

    Rig rig;
    rig.comm.setAutoReadData(false);
    rig.bus.plug(processor(ProcessorPath, 65, reportLength));
    QByteArray data;
    for (int i = 0; i < dataSize; ++i) {
        data.append(char(0x80 + i));
    }

    QVERIFY(rig.comm.SendData(data));
    const QList<QByteArray> reports = rig.bus.written();
    QCOMPARE(reports.size(), payloadSizes.size());
    QByteArray sent;
    for (int i = 0; i < reports.size(); ++i) {
        const QByteArray& report = reports[i];
        QCOMPARE(report.size(), reportLength);
        QCOMPARE(quint8(report[0]), quint8(1));
        QCOMPARE(int(quint8(report[1])), payloadSizes[i]);
        sent += report.mid(2, payloadSizes[i]);
        QCOMPARE(report.mid(2 + payloadSizes[i]),
                 QByteArray(reportLength - 2 - payloadSizes[i], 0));
    }
    QCOMPARE(sent, data);
}

void tst_HidApiComm::sendDataWithoutDeviceOrDataFails()
{
    Rig rig;
    QVERIFY(!rig.comm.SendData("\x01\x02"));
    QCOMPARE(rig.plugs(), QList<bool>{false});
    QVERIFY(rig.comm.isSearching());

    rig.bus.plug(processor());
    QVERIFY(!rig.comm.SendData(QByteArray()));
    QVERIFY(rig.bus.written().isEmpty());
}

void tst_HidApiComm::failedWriteReconnectsAndRetriesOnce()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());
    rig.bus.failNextWrites(1);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("writing failed: fake write error"));
    QVERIFY(rig.comm.SendData(QByteArray(128, 'x')));
    QCOMPARE(rig.bus.written().size(), 3);
    QCOMPARE(rig.plugs(), (QList<bool>{true, false, true}));
    QCOMPARE(rig.bus.openHandles(), 2);
    QCOMPARE(rig.bus.handlesClosedWhileReading(), 0);
}

void tst_HidApiComm::writeFailingTwiceFailsAndSearchFindsTheDeviceAgain()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());
    rig.bus.failNextWrites(2);

    QVERIFY(!rig.comm.SendData(QByteArray(128, 'x')));
    QVERIFY(rig.bus.written().isEmpty());
    QVERIFY(!rig.comm.isOpen());
    QVERIFY(rig.comm.isSearching());

    QTRY_VERIFY_WITH_TIMEOUT(rig.comm.isOpen(), WaitMs);
    QCOMPARE(rig.plugs().last(), true);
    QVERIFY(!rig.comm.isSearching());
    QVERIFY(rig.comm.SendData("\x01"));
}

void tst_HidApiComm::unpluggedDeviceIsFoundAgainAfterReplug()
{
    Rig rig;
    rig.comm.setAutoReadData(false);
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());

    rig.bus.unplug(ProcessorPath);
    QVERIFY(!rig.comm.SendData("\x01"));
    QVERIFY(!rig.comm.isOpen());
    QCOMPARE(rig.plugs(), (QList<bool>{true, false, false}));

    rig.bus.plug(processor());
    QVERIFY(rig.plugSpy.wait(WaitMs));
    QCOMPARE(rig.plugs().last(), true);
    QVERIFY(rig.comm.SendData("\x01"));
}

void tst_HidApiComm::oversizedReportFailsTheWriteAndKeepsRunning()
{
    Rig rig;
    rig.bus.plug(processor(ProcessorPath, 65, 68));
    QVERIFY(rig.comm.Connect());

    QVERIFY(!rig.comm.SendData("\x01\x02"));
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.at(0).at(0).toString(), QStringLiteral("操作USB设备失败！"));
    QVERIFY(rig.bus.written().isEmpty());
    QVERIFY(rig.comm.isOpen());
}

void tst_HidApiComm::readerDeliversValidReportsInOrder()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());

    rig.bus.queueInput(inputReport(2, 3, "abc"));
    rig.bus.queueInput(inputReport(1, 3, "def"));              // another id
    rig.bus.queueInput(inputReport(2, 0, ""));                 // nothing in it
    rig.bus.queueInput(inputReport(2, 10, "ghi", 5));          // claims more than was read
    rig.bus.queueInput(inputReport(2, 4, "\xFE\x23\x23\x44")); // the last one
    QTRY_COMPARE_WITH_TIMEOUT(rig.arrivals.size(), 2, WaitMs);
    QCOMPARE(rig.arrivals.at(0).at(0).toByteArray(), QByteArray("abc"));
    QCOMPARE(rig.arrivals.at(1).at(0).toByteArray(), QByteArray("\xFE\x23\x23\x44"));
    QVERIFY(rig.bus.readsOffMainThread() > 0);
    QCOMPARE(rig.bus.readsOnMainThread(), 0);
}

void tst_HidApiComm::readFailureClosesAndReopens()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("reading failed: fake read error"));
    rig.bus.failNextRead();
    QTRY_COMPARE_WITH_TIMEOUT(rig.plugs(), (QList<bool>{true, false, true}), WaitMs);
    QCOMPARE(rig.bus.handlesClosedWhileReading(), 0);

    rig.bus.queueInput(inputReport(2, 1, "\xFF"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.arrivals.size(), 1, WaitMs);

    rig.bus.unplug(ProcessorPath);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.comm.isOpen(), WaitMs);
    QCOMPARE(rig.plugs().last(), false);
    QCOMPARE(rig.bus.openHandles(), 0);
}

void tst_HidApiComm::destroyingStopsTheReaderBeforeClosing()
{
    FakeHidBus bus;
    bus.plug(processor());
    {
        HidApiComm comm(std::make_unique<FakeHidDeviceAccess>(bus));
        comm.setVendorID(QStringLiteral("&H483"));
        comm.setProductID(QStringLiteral("&H6850"));
        QVERIFY(comm.Connect());
        QTRY_VERIFY_WITH_TIMEOUT(bus.readsOffMainThread() > 0, WaitMs);
    }
    QCOMPARE(bus.openHandles(), 0);
    QCOMPARE(bus.handlesClosedWhileReading(), 0);
}

void tst_HidApiComm::readDataReadsOneReportOnTheCallersThread()
{
    Rig rig;
    rig.comm.setAutoReadData(false);
    rig.comm.setReadTimeOut(std::chrono::milliseconds::zero());
    rig.bus.plug(processor());
    const QByteArray report = inputReport(2, 3, "abc");
    rig.bus.queueInput(report);

    QByteArray data;
    QVERIFY(rig.comm.ReadData(data));
    QCOMPARE(data, report.mid(1));
    // Nothing waiting: false, and the device stays open.
    QVERIFY(!rig.comm.ReadData(data));
    QVERIFY(rig.comm.isOpen());
    QCOMPARE(rig.bus.readsOffMainThread(), 0);
    QVERIFY(rig.arrivals.isEmpty());

    // Turned on, the reader thread takes over.
    rig.comm.setAutoReadData(true);
    rig.bus.queueInput(report);
    QTRY_COMPARE_WITH_TIMEOUT(rig.arrivals.size(), 1, WaitMs);
}

void tst_HidApiComm::readDataRefusedWhileAutoReading()
{
    Rig rig;
    QByteArray data("kept");
    QVERIFY(!rig.comm.ReadData(data));
    QCOMPARE(data, QByteArray("kept"));
    QVERIFY(rig.plugs().isEmpty());
}

void tst_HidApiComm::readDataReopensAfterAFailedRead()
{
    Rig rig;
    rig.comm.setAutoReadData(false);
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());
    rig.bus.failNextRead();
    rig.bus.queueInput(inputReport(2, 1, "\xFF"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("reading failed"));
    QByteArray data;
    QVERIFY(rig.comm.ReadData(data));
    QCOMPARE(data.left(2), QByteArray("\x01\xFF"));
    QCOMPARE(rig.bus.opens(), 4);
    QCOMPARE(rig.plugs(), (QList<bool>{true, false, true}));
}

void tst_HidApiComm::changingIdsWhileOpenLooksForTheNewDevice()
{
    Rig rig;
    rig.bus.plug(processor());
    QVERIFY(rig.comm.Connect());
    rig.comm.setProductID(QStringLiteral("&H6851"));
    QVERIFY(!rig.comm.isOpen());
    QVERIFY(rig.comm.isSearching());
    QCOMPARE(rig.plugs(), (QList<bool>{true, false}));
    QCOMPARE(rig.bus.openHandles(), 0);
}

QTEST_GUILESS_MAIN(tst_HidApiComm)
#include "tst_HidApiComm.moc"
