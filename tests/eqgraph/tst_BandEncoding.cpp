#include "BandEncoding.h"
#include "BandTable.h"
#include "BandValueEntry.h"

#include <QTest>

using namespace BandEncoding;

class tst_BandEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frequencyIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("hz");
        QTest::newRow("lowest") << 0 << 18;
        QTest::newRow("top of the 2 Hz steps") << 40 << 98;
        QTest::newRow("first 10 Hz step") << 41 << 100;
        QTest::newRow("top of the 10 Hz steps") << 130 << 990;
        QTest::newRow("first 100 Hz step") << 131 << 1000;
        QTest::newRow("top of the 100 Hz steps") << 220 << 9900;
        QTest::newRow("first 500 Hz step") << 221 << 10000;
        QTest::newRow("bass high cut default") << 54 << 230;
        QTest::newRow("effect high cut default") << 181 << 6000;
        QTest::newRow("highest used") << 241 << 20000;
        QTest::newRow("highest byte") << 255 << 27000;
    }

    void frequencyIndex()
    {
        QFETCH(int, index);
        QFETCH(int, hz);
        QCOMPARE(FreqFromIndex(quint8(index)), hz);
        QCOMPARE(int(FreqToIndex(hz)), index);
    }

    void frequencyBetweenStepsRounds_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("index");
        QTest::newRow("99 Hz is 40.9") << 99.0 << 41;
        QTest::newRow("halfway rounds to even") << 21.0 << 2; // 1.5 -> 2
        QTest::newRow("1234 Hz") << 1234.0 << 133;
        QTest::newRow("below the range") << 5.0 << 0;
        QTest::newRow("far above the range") << 40000.0 << 255;
    }

    void frequencyBetweenStepsRounds()
    {
        QFETCH(double, hz);
        QTEST(int(FreqToIndex(hz)), "index");
    }

    void gain_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<double>("db");
        QTest::newRow("top") << 0 << 15.0;
        QTest::newRow("+14.4 dB") << 3 << 14.4;
        QTest::newRow("flat") << 75 << 0.0;
        QTest::newRow("bottom") << 150 << -15.0;
    }

    void gain()
    {
        QFETCH(int, byte);
        QFETCH(double, db);
        QCOMPARE(GainFromByte(quint8(byte)), db);
        QCOMPARE(int(GainToByte(db)), byte);
    }

    void gainHalfStepRoundsToEven()
    {
        QCOMPARE(int(GainToByte(2.5)), 62);  // 62.5
        QCOMPARE(int(GainToByte(-20)), 175); // the caller clamps to -15 dB first
    }

    void cutLimits_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lowCut");
        QTest::addColumn<int>("highCut");
        QTest::newRow("music low cut stays at or below 230 Hz") << 0 << 100 << 54 << 100;
        QTest::newRow("microphone high cut stays at or above 8 kHz") << 1 << 150 << 54 << 201;
        QTest::newRow("effect cuts meet at 1 kHz") << 3 << 131 << 130 << 131;
        QTest::newRow("bass cuts both below 230 Hz") << 6 << 241 << 54 << 54;
        QTest::newRow("centre has no cuts") << 4 << 241 << 241 << 241;
    }

    void cutLimits()
    {
        QFETCH(int, group);
        QFETCH(int, index);
        QTEST(int(ClampLowCutIndex(quint8(index), group)), "lowCut");
        QTEST(int(ClampHighCutIndex(quint8(index), group)), "highCut");
    }

    // Typed frequencies go down onto the steps of their range, and a cut into its
    // group's range.
    void snapFreq_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("snapped");
        const int peaking = int(BandKind::Peaking);
        QTest::newRow("below 18 Hz") << 13.4 << peaking << 0 << 18;
        QTest::newRow("2 Hz steps, truncated") << 99.9 << peaking << 0 << 98;
        QTest::newRow("10 Hz steps") << 999.0 << peaking << 0 << 990;
        QTest::newRow("100 Hz steps") << 1234.0 << peaking << 0 << 1200;
        QTest::newRow("500 Hz steps") << 12999.0 << peaking << 0 << 12500;
        QTest::newRow("20 kHz exactly") << 20000.0 << peaking << 0 << 20000;
        QTest::newRow("above 20 kHz") << 20001.0 << peaking << 0 << 20000;
        QTest::newRow("music low cut") << 500.0 << int(BandKind::LowCut) << 0 << 230;
        QTest::newRow("microphone high cut") << 5000.0 << int(BandKind::HighCut) << 1 << 8000;
        QTest::newRow("effect low cut") << 2000.0 << int(BandKind::LowCut) << 3 << 990;
    }

    void snapFreq()
    {
        QFETCH(double, hz);
        QFETCH(int, kind);
        QFETCH(int, group);
        QTEST(int(SnapFreq(hz, BandKind(kind), group)), "snapped");
    }

    // A dragged frequency lands on the nearest step (halfway goes up), a cut within its range.
    void nearestFreqIndex_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        const int peaking = int(BandKind::Peaking);
        QTest::newRow("a step stays itself") << 2500.0 << peaking << 146;
        QTest::newRow("just below a step") << 999.4 << peaking << 131;               // 1000 Hz
        QTest::newRow("halfway to the next range goes up") << 99.0 << peaking << 41; // 100 Hz
        QTest::newRow("nearer the lower step") << 10240.0 << peaking << 221;         // 10 kHz
    }

    void nearestFreqIndex()
    {
        QFETCH(double, hz);
        QFETCH(int, kind);
        QTEST(int(NearestFreqIndex(hz, BandKind(kind), 0)), "index");
    }

    void q_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<double>("q");
        QTest::addColumn<int>("encoded"); // QToByte(QFromByte(byte))
        QTest::newRow("zero counts as one") << 0 << 0.1 << 1;
        QTest::newRow("factory") << 14 << 1.4 << 14;
        QTest::newRow("top of the fine steps") << 30 << 3.0 << 30;
        QTest::newRow("first whole step") << 31 << 4.0 << 31;
        QTest::newRow("between whole steps") << 33 << 4.0 << 31;
        QTest::newRow("just below the next step") << 34 << 4.0 << 31;
        QTest::newRow("Q 5") << 35 << 5.0 << 35;
        QTest::newRow("Q 15") << 75 << 15.0 << 75;
    }

    void q()
    {
        QFETCH(int, byte);
        QFETCH(double, q);
        QCOMPARE(QFromByte(quint8(byte)), q);
        QTEST(int(QToByte(q)), "encoded");
    }

    // A typed gain or Q goes to the nearest byte, halfway to the even one, as the digits typed
    // say (never their binary neighbour); a Q between 3 and 4 to the nearer of 3.0 and 4.
    void typedValues_data()
    {
        QTest::addColumn<ParamField>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("byte"); // -1: no number
        const ParamField gain = ParamField::Gain;
        const ParamField q = ParamField::Q;
        QTest::newRow("0.3 dB: +0.2") << gain << "0.3" << 74;
        QTest::newRow("0.9 dB: +1.0") << gain << "0.9" << 70;
        QTest::newRow("14.9 dB: +15.0") << gain << "14.9" << 0;
        QTest::newRow("digits past the sixth place count") << gain << "0.30000001" << 73;
        QTest::newRow("Q 0.35: 0.4") << q << "0.35" << 4;
        QTest::newRow("Q 1.45: 1.4") << q << "1.45" << 14;
        QTest::newRow("Q 3.4: 3.0") << q << "3.4" << 30;
        QTest::newRow("Q 3.5: 3.0, the even byte") << q << "3.5" << 30;
        QTest::newRow("Q 3.6: 4") << q << "3.6" << 31;
        QTest::newRow("Q 4.125: halfway between bytes") << q << "4.125" << 32;
        QTest::newRow("blanks alone are no number") << gain << "   " << -1;
    }

    void typedValues()
    {
        QFETCH(ParamField, field);
        QFETCH(QString, typed);
        QFETCH(int, byte);
        using Outcome = BandValueEntry::Result::Outcome;
        const BandValueEntry::Result result =
            BandValueEntry::commit(typed, field, BandKind::Peaking, 0);
        QCOMPARE(result.outcome, byte < 0 ? Outcome::NotNumber : Outcome::Stored);
        QCOMPARE(byte < 0 ? -1 : int(result.byte), byte);
    }
};

QTEST_GUILESS_MAIN(tst_BandEncoding)
#include "tst_BandEncoding.moc"
