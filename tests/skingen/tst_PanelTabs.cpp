// Which panel tab a press on the panel lands on: every pixel of a painted tab counts, the gaps
// and the strip's margins do not.
#include "PanelTabs.h"

#include <QtTest>

class tst_PanelTabs : public QObject
{
    Q_OBJECT

private slots:
    void tabAt_data();
    void tabAt();
};

void tst_PanelTabs::tabAt_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("tab");

    QTest::newRow("volume, top left pixel") << QPointF(715, 18) << 0;
    QTest::newRow("volume, inside its last pixel") << QPointF(824.9, 55.9) << 0;
    QTest::newRow("gap after volume") << QPointF(825, 30) << -1;
    QTest::newRow("gap before effect") << QPointF(833.9, 30) << -1;
    QTest::newRow("effect") << QPointF(834, 30) << 1;
    QTest::newRow("level, right edge") << QPointF(1066.5, 30) << 2;
    QTest::newRow("right of level") << QPointF(1067, 30) << -1;
    QTest::newRow("left of volume") << QPointF(714.9, 30) << -1;
    QTest::newRow("above the tabs") << QPointF(900, 17.9) << -1;
    QTest::newRow("below the tabs") << QPointF(900, 56) << -1;
}

void tst_PanelTabs::tabAt()
{
    QFETCH(QPointF, point);
    QFETCH(int, tab);
    QCOMPARE(PanelTabs::tabAt(point), tab);
}

QTEST_GUILESS_MAIN(tst_PanelTabs)
#include "tst_PanelTabs.moc"
