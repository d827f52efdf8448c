#include "MenuShowModel.h"
#include "MenuTable.h"

#include <QSignalSpy>
#include <QTest>

class tst_MenuShowModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ticksFollowTheSections_data()
    {
        QTest::addColumn<QList<int>>("hidden");  // flags set to 1 before the window loads
        QTest::addColumn<QStringList>("clicks"); // "row:on" or "row:off", as the view sets them
        QTest::addColumn<QList<int>>("unticked");

        const QList<int> music{17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
        QTest::newRow("factory state: every row ticked, headers included")
            << QList<int>{} << QStringList{} << QList<int>{};
        QTest::newRow("a whole hidden section loads with its header unticked")
            << QList<int>{0x87, 0x82, 0x88, 0x89, 0x8A, 0x8B} << QStringList{}
            << QList<int>{57, 58, 59, 60, 61, 62, 63};
        QTest::newRow("one hidden entry leaves its header ticked")
            << QList<int>{0x87} << QStringList{} << QList<int>{58};
        QTest::newRow("unticking a header unticks its section")
            << QList<int>{} << QStringList{"17:off"} << music;
        QTest::newRow("ticking it again ticks the section")
            << QList<int>{} << QStringList{"17:off", "17:on"} << QList<int>{};
        QTest::newRow("unticking the last entry of a section unticks its header")
            << QList<int>{} << QStringList{"82:off", "83:off", "84:off", "85:off"}
            << QList<int>{81, 82, 83, 84, 85};
        QTest::newRow("ticking any entry ticks its header again")
            << QList<int>{} << QStringList{"81:off", "84:on"} << QList<int>{82, 83, 85};
    }

    void ticksFollowTheSections()
    {
        QFETCH(QList<int>, hidden);
        QFETCH(QStringList, clicks);
        QFETCH(QList<int>, unticked);
        ParamModel::MenuShowFlags flags{};
        for (int address : hidden) {
            flags[address] = 1;
        }
        MenuShowModel model(MenuTable::instance(), flags);
        QSet<int> repainted;
        connect(&model, &QAbstractItemModel::dataChanged, this,
                [&](const QModelIndex& first, const QModelIndex& last) {
                    for (int row = first.row(); row <= last.row(); ++row) {
                        repainted.insert(row);
                    }
                });
        QSet<int> changed;
        for (const QString& click : clicks) {
            const int row = click.section(u':', 0, 0).toInt();
            const bool on = click.endsWith(u"on");
            const QList<bool> before = ticks(model);
            QVERIFY(model.setData(model.index(row), on ? Qt::Checked : Qt::Unchecked,
                                  Qt::CheckStateRole));
            const QList<bool> after = ticks(model);
            for (int r = 0; r < after.size(); ++r) {
                if (before[r] != after[r]) {
                    changed.insert(r);
                }
            }
        }
        QList<int> shownUnticked;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.data(model.index(row), Qt::CheckStateRole) != Qt::Checked) {
                shownUnticked.append(row);
            }
        }
        QCOMPARE(shownUnticked, unticked);
        // The view hears of every row that changed.
        QVERIFY(repainted.contains(changed));
    }

private:
    static QList<bool> ticks(const MenuShowModel& model)
    {
        QList<bool> list;
        for (int row = 0; row < model.rowCount(); ++row) {
            list.append(model.isTicked(row));
        }
        return list;
    }
};

QTEST_GUILESS_MAIN(tst_MenuShowModel)
#include "tst_MenuShowModel.moc"
