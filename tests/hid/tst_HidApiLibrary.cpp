#include "HidApiComm.h"
#include "HidApiLibrary.h"

#include <QSignalSpy>
#include <QTest>

// hidapi itself, on a machine that may have no HID device at all: the search must run and
// report what it finds (here, usually nothing) without failing.
class tst_HidApiLibrary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enumerationRuns();
    void openingAMissingPathFails();
    void backendSearchesWithoutDevice();
};

void tst_HidApiLibrary::enumerationRuns()
{
    HidApiLibrary library;
    QVERIFY(library.isReady());
    const QList<HidDeviceInfo> found = library.devices(0x483, 0x6850);
    for (const HidDeviceInfo& device : found) {
        QVERIFY(!device.path.isEmpty());
        QCOMPARE(device.vendorId, quint16(0x483));
        QVERIFY(device.inputReportLength > 0 && device.outputReportLength > 0);
    }
    if (found.isEmpty()) {
        QVERIFY(!library.lastError().isEmpty());
    }
}

void tst_HidApiLibrary::openingAMissingPathFails()
{
    HidApiLibrary library;
    QCOMPARE(library.open("/dev/hidraw-tonvexa-none"), nullptr);
    QVERIFY(!library.lastError().isEmpty());
}

void tst_HidApiLibrary::backendSearchesWithoutDevice()
{
    HidApiComm comm;
    // An id no device has, so that the test does not depend on what is plugged in.
    comm.setVendorID(QStringLiteral("&HFFFE"));
    comm.setProductID(QStringLiteral("&HFFFE"));
    QSignalSpy plug(&comm, &HidApiComm::Plug);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no device fffe:fffe found"));
    QVERIFY(!comm.Connect());
    QCOMPARE(plug.size(), 1);
    QCOMPARE(plug.at(0).at(0).toBool(), false);
    QVERIFY(comm.isSearching());
    QVERIFY(!comm.SendData("\x01"));
}

QTEST_GUILESS_MAIN(tst_HidApiLibrary)
#include "tst_HidApiLibrary.moc"
