#include "BandFilter.h"
#include "BandTable.h"
#include "EqGroupTable.h"
#include "EqResponse.h"
#include "ParamModel.h"

#include <QTest>
#include <algorithm>

namespace {

EqBand band(BandKind kind, float hz, float db = 0, float q = 1.4f)
{
    return EqBand{hz, db, q, kind, true, 0};
}

} // namespace

class tst_EqResponse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void geometry_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<QList<int>>("values"); // W, H, X2, X1, Top, Bottom, Centre, PointCount
        QTest::newRow("design size") << 1.0f << QList<int>{1547, 382, 1588, 60, 10, 350, 180, 1588};
        // 12.5, 437.5 and 477.5 round to the even neighbour.
        QTest::newRow("125 %") << 1.25f << QList<int>{1934, 478, 1985, 75, 12, 438, 225, 1985};
        QTest::newRow("half size") << 0.5f << QList<int>{774, 191, 794, 30, 5, 175, 90, 794};
    }

    void geometry()
    {
        QFETCH(float, scale);
        QFETCH(QList<int>, values);
        const GraphGeometry g(scale);
        QCOMPARE((QList<int>{g.Width(), g.Height(), g.X2(), g.X1(), g.Top(), g.Bottom(), g.Centre(),
                             g.PointCount()}),
                 values);
        QCOMPARE(g.X0(), 0);
    }

    // Where frequencies and gains fall at the design size, and what the edges of the plot read.
    void mapping_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<double>("argument");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("pixels per decade") << "ppd" << 0.0 << 475.104 << 0.001;
        QTest::newRow("20 Hz") << "x" << 20.0 << 83.0 << 0.05;
        QTest::newRow("100 Hz") << "x" << 100.0 << 415.1 << 0.05;
        QTest::newRow("1 kHz") << "x" << 1000.0 << 890.2 << 0.05;
        QTest::newRow("10 kHz") << "x" << 10000.0 << 1365.3 << 0.05;
        QTest::newRow("20 kHz") << "x" << 20000.0 << 1508.3 << 0.05;
        QTest::newRow("22 kHz") << "x" << 22000.0 << 1528.0 << 0.001;
        QTest::newRow("first column") << "f" << 0.0 << 13.4 << 0.05;
        QTest::newRow("+15 dB") << "y" << 15.0 << 20.625 << 0.0;
        QTest::newRow("0 dB") << "y" << 0.0 << 180.0 << 0.0;
        QTest::newRow("-15 dB") << "y" << -15.0 << 339.375 << 0.0;
        QTest::newRow("above the range stops at Top") << "y" << 20.0 << 10.0 << 0.0;
        QTest::newRow("below the range stops at Bottom") << "y" << -20.0 << 350.0 << 0.0;
        QTest::newRow("above Top reads +16") << "db" << 3.0 << 16.0 << 0.0;
        QTest::newRow("below Bottom reads -16") << "db" << 360.0 << -16.0 << 0.0;
        QTest::newRow("a row inside") << "db" << 265.0 << -8.0 << 0.0;
    }

    void mapping()
    {
        QFETCH(QString, function);
        QFETCH(double, argument);
        QFETCH(double, tolerance);
        const GraphGeometry g;
        double actual = 0;
        if (function == u"ppd") {
            actual = g.PixelsPerDecade();
        } else if (function == u"x") {
            actual = g.FreqToX(argument);
        } else if (function == u"f") {
            actual = g.XToFreq(argument);
        } else if (function == u"y") {
            actual = g.DbToY(argument);
        } else {
            actual = g.YToDb(argument);
        }
        QFETCH(double, expected);
        QVERIFY2(std::abs(actual - expected) <= tolerance,
                 qPrintable(QStringLiteral("got %1").arg(actual, 0, 'f', 4)));
    }

    void frequencyRoundTrip()
    {
        const GraphGeometry g(1.3f);
        for (float hz : {18.0f, 230.0f, 999.0f, 6000.0f, 20000.0f}) {
            QVERIFY(qFuzzyCompare(g.XToFreq(g.FreqToX(hz)), hz));
        }
    }

    // The worked values: dB of one band at one frequency.
    void bandResponse_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<float>("hz");
        QTest::addColumn<float>("gain");
        QTest::addColumn<float>("q");
        QTest::addColumn<double>("at");
        QTest::addColumn<double>("db");
        const int peaking = int(BandKind::Peaking);
        const int lowCut = int(BandKind::LowCut);
        const int highCut = int(BandKind::HighCut);
        QTest::newRow("peak at its centre") << peaking << 1000.f << 12.f << 1.f << 1000.0 << 12.00;
        QTest::newRow("peak a decade below") << peaking << 1000.f << 12.f << 1.f << 100.0 << 0.16;
        // Its terms cancel almost entirely: carried in single precision it read 25 dB wrong.
        QTest::newRow("narrow peak at 28 Hz") << peaking << 28.f << 15.f << 15.f << 28.0 << 15.00;
        QTest::newRow("low cut at its corner") << lowCut << 100.f << 0.f << 1.4f << 100.0 << -2.27;
        QTest::newRow("low cut an octave below")
            << lowCut << 100.f << 0.f << 1.4f << 50.0 << -11.97;
        QTest::newRow("low cut a decade above") << lowCut << 100.f << 0.f << 1.4f << 1000.0 << 0.01;
        QTest::newRow("high cut at its corner")
            << highCut << 10000.f << 0.f << 1.4f << 10000.0 << -2.27;
        // The cuts ignore gain and Q.
        QTest::newRow("high cut with a gain")
            << highCut << 10000.f << 9.f << 5.f << 10000.0 << -2.27;
    }

    void bandResponse()
    {
        QFETCH(int, kind);
        QFETCH(float, hz);
        QFETCH(float, gain);
        QFETCH(float, q);
        QFETCH(double, at);
        QFETCH(double, db);
        const float actual = BandFilter(band(BandKind(kind), hz, gain, q)).dbAt(at);
        QVERIFY2(std::abs(actual - db) < 0.006, qPrintable(QString::number(actual)));
    }

    // Bands that add nothing at any point: a flat peaking band, and filters whose response has
    // no value anywhere (each point then repeats the one before it, from 0).
    void bandAddsNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<float>("hz");
        QTest::addColumn<float>("q");
        QTest::newRow("peaking at 0 dB") << int(BandKind::Peaking) << 1000.f << 1.4f;
        QTest::newRow("high cut at 0 Hz: N is 0") << int(BandKind::HighCut) << 0.f << 1.4f;
        QTest::newRow("peaking with Q 0: no filter") << int(BandKind::Peaking) << 1000.f << 0.f;
    }

    void bandAddsNothing()
    {
        QFETCH(int, kind);
        QFETCH(float, hz);
        QFETCH(float, q);
        EqResponse response;
        response.AddBandResponse(band(BandKind(kind), hz, 0, q));
        const auto [lowest, highest] =
            std::minmax_element(response.ResponseSum().begin(), response.ResponseSum().end());
        QCOMPARE(*lowest, 0.0f);
        QCOMPARE(*highest, 0.0f);
    }

    // Columns right of 22 kHz are evaluated at 22 kHz: a high cut's curve is level there.
    void pointsBeyond22kHz()
    {
        EqResponse response;
        const int count = response.geometry().PointCount();
        QCOMPARE(count, 1588);
        QCOMPARE(response.pointFrequency(count - 1), 22000.0f);
        QVERIFY(response.pointFrequency(1527) < 22000.0f);
        response.AddBandResponse(band(BandKind::HighCut, 8000));
        const float at22k = BandFilter(band(BandKind::HighCut, 8000)).dbAt(22000);
        QCOMPARE(response.ResponseSum()[count - 1], at22k);
        QCOMPARE(response.ResponseSum()[1540], at22k);
    }

    // Which bands make up which curve: every band in use in one curve, except that the effect
    // group draws its peaking bands, its high cut and its low cut apart.
    void groupCurves_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("roles");
        QTest::addColumn<QList<QList<int>>>("records"); // per curve
        const int main = int(CurveRole::Main);
        QTest::newRow("music: its low cut in the sum")
            << 0 << QList<int>{main} << QList<QList<int>>{{0, 1, 2, 3, 4, 5, 6, 7}};
        QTest::newRow("bass: both cuts in one curve")
            << 6 << QList<int>{main} << QList<QList<int>>{{0, 1}};
        QTest::newRow("effect: its cuts apart")
            << 3 << QList<int>{main, int(CurveRole::HighCut), int(CurveRole::LowCut)}
            << QList<QList<int>>{{0, 1, 2}, {3}, {4}};
    }

    void groupCurves()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, roles);
        QFETCH(QList<QList<int>>, records);
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        // Mode 5 is read; the model's own mode and group stay as they are.
        const EqGroup& g = EqGroupTable::instance().group(group);
        model.store().setFields(5, g.firstBand, {131, 15, 10});     // 1 kHz, +12 dB, Q 1
        model.store().setValue(ParamField::Value, 5, g.lowCut, 50); // 190 Hz
        EqResponse response;
        const std::vector<ResponseCurve> curves = response.groupCurves(model, 5, group);
        QCOMPARE(model.currentMode(), 0);
        QCOMPARE(model.currentEqGroup(), 0);

        BandTable bands;
        bands.LoadGroupBands(model, 5, group);
        QCOMPARE(int(curves.size()), roles.size());
        for (std::size_t c = 0; c < curves.size(); ++c) {
            QCOMPARE(int(curves[c].role), roles[int(c)]);
            for (int i = 0; i < response.geometry().PointCount(); i += 7) {
                float expected = 0;
                for (int record : records[int(c)]) {
                    expected += BandFilter(bands.band(record)).dbAt(response.pointFrequency(i));
                }
                QVERIFY2(std::abs(curves[c].db[i] - expected) < 1e-4,
                         qPrintable(QStringLiteral("curve %1, point %2: %3, not %4")
                                        .arg(c)
                                        .arg(i)
                                        .arg(curves[c].db[i])
                                        .arg(expected)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_EqResponse)
#include "tst_EqResponse.moc"
