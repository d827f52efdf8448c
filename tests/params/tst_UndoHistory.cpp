#include "ParamModel.h"
#include "UndoHistory.h"

#include <QTest>

namespace {

constexpr int Volume = 0x40; // one byte that the tests move, in mode 0

struct History
{
    explicit History(int quietMs = 60)
        : undo(model, quietMs)
    {
        model.InitDefaults(ParamModel::FactoryReset);
        undo.UndoRedoInit();
    }

    int volume() const { return model.store().value(ParamField::Value, 0, Volume); }

    // One slider move: the burst's undo point, then the new value.
    void move(int value)
    {
        undo.NoteChange();
        model.store().setValue(ParamField::Value, 0, Volume, quint8(value));
    }

    // A complete burst: the move, then a quiet period that ends the burst.
    void burst(int value)
    {
        move(value);
        QTRY_VERIFY(!undo.isEditPending());
    }

    // One undo or redo as the window runs it online: each address the restore writes is sent
    // before the next; the send numbered failingSend fails, which stops the restore. False when
    // there was nothing to undo or redo.
    bool step(std::optional<SnapshotRestore> restore, int failingSend = -1)
    {
        if (!restore) {
            return false;
        }
        while (const auto changed = restore->next()) {
            if (int(sent.size()) == failingSend) {
                break;
            }
            sent.append({changed->mode, changed->address});
        }
        return true;
    }
    bool undoStep() { return step(undo.UndoStep()); }
    bool redoStep() { return step(undo.RedoStep()); }

    ParamModel model;
    UndoHistory undo;
    QList<QPair<int, int>> sent;
};

} // namespace

class tst_UndoHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedSequence()
    {
        History h(60000);
        h.move(10); // edit A
        QCOMPARE(h.undo.UndoPos(), 0);
        QCOMPARE(h.undo.UndoTop(), 0);
        QVERIFY(h.undoStep());
        QCOMPARE(h.volume(), 80);
        QCOMPARE(h.undo.UndoPos(), -1);
        QCOMPARE(h.undo.UndoTop(), 1);
        QVERIFY(h.redoStep());
        QCOMPARE(h.volume(), 10);
        QCOMPARE(h.undo.UndoPos(), 0);
        // Only the one changed address went out, each time.
        QCOMPARE(h.sent, (QList<QPair<int, int>>{{0, Volume}, {0, Volume}}));
    }

    void redoRightAfterAnEditDoesNothing()
    {
        History h;
        h.burst(10);
        QVERIFY(!h.redoStep());
        QCOMPARE(h.volume(), 10);
    }

    void newEditAfterUndoIsNeverLostToRedo_data()
    {
        QTest::addColumn<bool>("withinTheSecond");
        QTest::newRow("after a quiet second") << false;
        QTest::newRow("within the second of the undo") << true;
    }

    void newEditAfterUndoIsNeverLostToRedo()
    {
        QFETCH(bool, withinTheSecond);
        History h(withinTheSecond ? 60000 : 60);
        h.move(10); // edit A
        if (!withinTheSecond) {
            QTRY_VERIFY(!h.undo.isEditPending());
        }
        QVERIFY(h.undoStep());
        QCOMPARE(h.volume(), 80);
        h.move(20); // edit B: the undo ended the burst, so B records its own undo point
        QVERIFY(!h.redoStep());
        QCOMPARE(h.volume(), 20);
        // B itself can still be undone, back to the state before it.
        QVERIFY(h.undoStep());
        QCOMPARE(h.volume(), 80);
        QVERIFY(h.redoStep());
        QCOMPARE(h.volume(), 20);
    }

    void movesWithinTheQuietTimeShareOneUndoPoint_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("points");
        QTest::newRow("close together") << 0 << 0;
        QTest::newRow("after the burst ended") << 150 << 1;
    }

    void movesWithinTheQuietTimeShareOneUndoPoint()
    {
        QFETCH(int, gapMs);
        History h(100);
        h.move(10);
        QTest::qWait(gapMs);
        h.move(20);
        QTEST(h.undo.UndoPos(), "points");
    }

    void thirtySnapshotsAtMost()
    {
        History h(60000);
        for (int value = 1; value <= 31; ++value) {
            h.undo.SaveUndo(); // one burst each
            h.model.store().setValue(ParamField::Value, 0, Volume, quint8(value));
        }
        QCOMPARE(h.undo.UndoPos(), UndoHistory::SlotCount - 1);
        // Walking back restores 30, 29, ... down to the oldest state still kept.
        for (int expected = 30; expected >= 2; --expected) {
            QVERIFY(h.undoStep());
            QCOMPARE(h.volume(), expected);
        }
        QVERIFY(!h.undoStep());
        QCOMPARE(h.volume(), 2);
    }

    void restoreSendsChangedAddressesModeByModeAscending()
    {
        History h;
        h.undo.SaveUndo();
        ParamStore& store = h.model.store();
        store.setValue(ParamField::Value, 3, 0x40, 1);
        store.setValue(ParamField::Q, 1, 0x50, 1); // a Q byte counts as a change of its address
        store.setValue(ParamField::Value, 0, 0xC5, 1);
        store.setValue(ParamField::Value, 1, 0x0B, 1);
        QVERIFY(h.undoStep());
        QCOMPARE(h.sent, (QList<QPair<int, int>>{{0, 0xC5}, {1, 0x0B}, {1, 0x50}, {3, 0x40}}));
    }

    void failedSendStopsTheRestore()
    {
        History h;
        h.undo.SaveUndo();
        h.model.store().setValue(ParamField::Value, 0, 0x40, 1);
        h.model.store().setValue(ParamField::Value, 0, 0x41, 1);
        QVERIFY(h.step(h.undo.UndoStep(), 0));
        QVERIFY(h.sent.isEmpty());
        QCOMPARE(h.model.store().value(ParamField::Value, 0, 0x40), quint8(80));
        QCOMPARE(h.model.store().value(ParamField::Value, 0, 0x41),
                 quint8(1)); // neither restored nor sent
    }

    void offlineRestoreChangesTheStoreOnly()
    {
        History h;
        h.burst(10);
        std::optional<SnapshotRestore> restore = h.undo.UndoStep();
        QVERIFY(restore);
        restore->finish();
        QCOMPARE(h.volume(), 80);
    }

    void emptyHistoryIgnoresUndo()
    {
        History h;
        QVERIFY(!h.undoStep());
        QVERIFY(!h.redoStep());
        QVERIFY(h.sent.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_UndoHistory)
#include "tst_UndoHistory.moc"
