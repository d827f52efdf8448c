#include "EqGraphView.h"
#include "GroupBands.h"
#include "MainWindowHarness.h"
#include "RoomEqActions.h"
#include "SimpControl.h"

#include <QFile>
#include <QTemporaryDir>

// Room EQ in the window: an import or a fit changes the group as one undo step and reaches the
// processor as a group reset does.
class tst_RoomEqWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneUndoStep_data()
    {
        QTest::addColumn<bool>("fit");
        QTest::addColumn<bool>("online");
        QTest::newRow("filter file, online") << false << true;
        QTest::newRow("fit to a measurement, offline") << true << false;
    }

    void oneUndoStep()
    {
        QFETCH(bool, fit);
        QFETCH(bool, online);
        QTemporaryDir dir;
        MainWindowHarness h;
        QVERIFY2(h.loaded, qPrintable(h.loadError));
        QVERIFY(!online || h.goOnline());
        const ParamStore before = h.model.store();
        const QString file = dir.filePath(QStringLiteral("room.txt"));
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(fit ? "* hump at 100 Hz\n20 75\n60 76\n100 81\n160 76\n1000 75\n20000 75\n"
                       : "Filter 1: ON PK Fc 100 Hz Gain -6.0 dB Q 2.0\n"
                         "Filter 2: ON PK Fc 1000 Hz Gain 3.0 dB Q 1.0\n");
        text.close();
        h.files.openPath = file;
        RoomEqActions& room = h.roomEq();
        if (fit) {
            room.loadMeasurement();
            room.fitToMeasurement();
        } else {
            room.importFilterFile();
        }
        QVERIFY2(h.messages.shown.isEmpty(), qPrintable(h.messages.shown.value(0).second));
        QVERIFY(room.overlay().message.startsWith(u"max deviation "));

        // Every band that changed went out once, in the group's order, and nothing else.
        QStringList expected;
        const GroupBands group = GroupBands::read(h.model.store(), 0, 0);
        for (const StoredBand& band : group.bands()) {
            if (h.model.store().fields(0, band.address) != before.fields(0, band.address)) {
                expected << MainWindowHarness::frame(0, 0, band.address, band.index);
            }
        }
        QVERIFY(expected.size() >= 2);
        QCOMPARE(h.frames(), online ? expected : QStringList());
        QCOMPARE(h.undoHistory().UndoPos(), 0);

        MainWindowHarness::click(h.c().undoButton); // undo
        QVERIFY(h.model.store() == before);
    }

    // The right button opens the menu: it takes hold of no band and moves none.
    void rightClickMovesNoBand()
    {
        MainWindowHarness h;
        auto* graph = qobject_cast<EqGraphView*>(h.c().graph);
        QVERIFY(graph);
        const ParamStore before = h.model.store();
        const EqBand& band = h.bands().current();
        const QPoint beside(qRound(graph->geometry().FreqToX(band.Frequency)) + 30,
                            qRound(graph->geometry().DbToY(band.Gain)));
        QTest::mouseClick(graph, Qt::RightButton, {}, beside);
        QVERIFY(h.model.store() == before);
    }
};

QTEST_MAIN(tst_RoomEqWindow)
#include "tst_RoomEqWindow.moc"
