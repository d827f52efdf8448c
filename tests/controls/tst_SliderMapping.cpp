#include "SliderMapping.h"

#include <QTest>

class tst_SliderMapping : public QObject
{
    Q_OBJECT

private slots:
    void centreRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("centre");
        QTest::newRow("86") << 86 << 43;
        QTest::newRow("41 (Q knob)") << 41 << 20;
        QTest::newRow("127") << 127 << 64;
        QTest::newRow("125") << 125 << 62;
        QTest::newRow("1") << 1 << 0;
    }
    void centreRoundsHalvesToEven()
    {
        QFETCH(int, maxValue);
        QFETCH(int, centre);
        QCOMPARE(SliderMapping::centrePosition(maxValue), centre);
    }

    void qMapping_data()
    {
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("qBack");
        QTest::newRow("0 is the first position") << 0 << 0 << 1;
        QTest::newRow("1") << 1 << 0 << 1;
        QTest::newRow("30, last one-by-one") << 30 << 29 << 30;
        QTest::newRow("31") << 31 << 30 << 31;
        QTest::newRow("33 rounds 30.5 to even") << 33 << 30 << 31;
        QTest::newRow("35") << 35 << 31 << 35;
        QTest::newRow("37 rounds 31.5 to even") << 37 << 32 << 39;
        QTest::newRow("75, the last") << 75 << 41 << 75;
    }
    void qMapping()
    {
        QFETCH(int, q);
        QFETCH(int, position);
        QFETCH(int, qBack);
        QCOMPARE(SliderMapping::qToPosition(q), position);
        QCOMPARE(SliderMapping::positionToQ(position), qBack);
    }

    void everyQPositionRoundTrips()
    {
        for (int p = 0; p <= 41; ++p) {
            QCOMPARE(SliderMapping::qToPosition(SliderMapping::positionToQ(p)), p);
        }
    }

    void thumbCentre_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("centre");
        // The large fader: MaxValue 80 over 24..280.
        QTest::newRow("top") << 0 << 24.0;
        QTest::newRow("bottom") << 80 << 280.0;
        QTest::newRow("middle") << 40 << 152.0;
        QTest::newRow("fraction") << 1 << 27.2;
    }
    void thumbCentre()
    {
        QFETCH(int, position);
        QFETCH(double, centre);
        QCOMPARE(SliderMapping::thumbCentre(position, 80, 24, 280), centre);
    }

    void positionAt_data()
    {
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("minPos");
        QTest::addColumn<int>("maxPos");
        QTest::addColumn<int>("position");
        QTest::newRow("start") << 28.0 << 160 << 28 << 122 << 0;
        QTest::newRow("end") << 122.0 << 160 << 28 << 122 << 160;
        QTest::newRow("centre") << 75.0 << 160 << 28 << 122 << 80;
        QTest::newRow("beyond the start pins at 0") << -500.0 << 160 << 28 << 122 << 0;
        QTest::newRow("far beyond the end pins at the maximum") << 1e12 << 160 << 28 << 122 << 160;
        // Two pixels per step, so odd pixels fall on exact halves.
        QTest::newRow("0.5 rounds to 0") << 1.0 << 10 << 0 << 20 << 0;
        QTest::newRow("1.5 rounds to 2") << 3.0 << 10 << 0 << 20 << 2;
        QTest::newRow("2.5 rounds to 2") << 5.0 << 10 << 0 << 20 << 2;
        QTest::newRow("reversed stops") << 5.0 << 10 << 20 << 0 << 8;
    }
    void positionAt()
    {
        QFETCH(double, u);
        QFETCH(int, maxValue);
        QFETCH(int, minPos);
        QFETCH(int, maxPos);
        QFETCH(int, position);
        QCOMPARE(SliderMapping::positionAt(u, maxValue, minPos, maxPos, 7), position);
    }

    void positionAtWithoutTravelKeepsThePosition()
    {
        QCOMPARE(SliderMapping::positionAt(50.0, 80, 30, 30, 12), 12);
    }
};

QTEST_GUILESS_MAIN(tst_SliderMapping)
#include "tst_SliderMapping.moc"
