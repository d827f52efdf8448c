#include "BandSender.h"
#include "BandTable.h"
#include "EqGraphView.h"
#include "EqGroupTable.h"
#include "ParamModel.h"
#include "TestSkin.h"

#include <QTest>

namespace {

// Records the bands the graph sends.
class FakeSender : public BandSender
{
public:
    bool isOnline() const override { return online; }
    void sendBand(quint8 address) override { sent.append(address); }

    bool online = true;
    QList<int> sent;
};

// A channel-wise match within what an 87 % opaque curve lets through of the background.
bool near(QRgb actual, QRgb expected)
{
    constexpr int Tolerance = 40;
    return std::abs(qRed(actual) - qRed(expected)) <= Tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= Tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= Tolerance;
}

} // namespace

// The graph at its design size over solid test pictures, showing the model's current group.
struct GraphFixture
{
    explicit GraphFixture(int group)
    {
        installTestPictures(skin);
        model.InitDefaults(ParamModel::FactoryReset);
        model.setCurrentEqGroup(group);
        // The equaliser on, so that no banner covers the curves.
        model.store().setValue(ParamField::Value, 0, EqGroupTable::instance().group(group).bypass,
                               1);
        view.resize(GraphGeometry::DesignWidth, GraphGeometry::DesignHeight);
    }
    // Loads the bands and takes the picture a paint shows.
    QImage picture()
    {
        bands.LoadGroupBands(model);
        view.attach(model, bands, sender);
        return view.grab().toImage();
    }
    // The pixel a curve's line covers fully at a frequency: the row under the segment's middle.
    QPoint onCurve(CurveRole role, double hz)
    {
        EqResponse response(view.geometry());
        bands.LoadGroupBands(model);
        const GraphGeometry& g = view.geometry();
        const int x = int(g.FreqToX(hz));
        for (const ResponseCurve& curve : response.groupCurves(bands, model.currentEqGroup())) {
            if (curve.role == role) {
                return QPoint(x, int((g.DbToY(curve.db[x]) + g.DbToY(curve.db[x + 1])) / 2));
            }
        }
        return {};
    }

    SkinImages skin;
    ParamModel model;
    BandTable bands;
    FakeSender sender;
    EqGraphView view{skin};
};

class tst_EqGraphView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each curve in its own colour, there from the first paint on. The effect group: band 1
    // +6 dB at 1 kHz, high cut 2 kHz, low cut 500 Hz, or at the factory, flat, where its peaking
    // sum lies over its cuts; the music group flat.
    void curveColours_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<int>("role");
        QTest::addColumn<double>("hz");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("flat music: the 0 dB line")
            << 0 << true << int(CurveRole::Main) << 1500.0 << EqGraphRenderer::MainCurve;
        QTest::newRow("effect: its peaking bands")
            << 3 << false << int(CurveRole::Main) << 700.0 << EqGraphRenderer::MainCurve;
        QTest::newRow("effect: high cut")
            << 3 << false << int(CurveRole::HighCut) << 3000.0 << EqGraphRenderer::HighCutCurve;
        QTest::newRow("effect: low cut")
            << 3 << false << int(CurveRole::LowCut) << 350.0 << EqGraphRenderer::LowCutCurve;
        QTest::newRow("flat effect: the sum over its cuts")
            << 3 << true << int(CurveRole::Main) << 1500.0 << EqGraphRenderer::MainCurve;
    }

    void curveColours()
    {
        QFETCH(int, group);
        QFETCH(bool, flat);
        QFETCH(int, role);
        QFETCH(double, hz);
        QFETCH(QRgb, colour);
        GraphFixture f(group);
        if (!flat) {
            f.model.store().setFields(0, 0x89, {131, 45, 10});
            f.model.store().setValue(ParamField::Value, 0, 0x82, 141);
            f.model.store().setValue(ParamField::Value, 0, 0x87, 81);
        }
        const QImage picture = f.picture();
        const QPoint at = f.onCurve(CurveRole(role), hz);
        QVERIFY2(near(picture.pixel(at), colour),
                 qPrintable(QString::number(picture.pixel(at), 16)));
    }

    // A sum beyond +-16 dB runs along the plot's edge in the warning colour, its furthest value
    // written inside the edge; a sum within the plot shows no warning at all.
    void sumBeyondTheRange_data()
    {
        QTest::addColumn<int>("gainByte"); // of two neighbouring bands, Q 0.5 and 1
        QTest::addColumn<int>("side");     // 1 above, -1 below, 0 within
        QTest::newRow("+15 dB twice: above") << 0 << 1;
        QTest::newRow("-15 dB twice: below") << 150 << -1;
        QTest::newRow("+6 dB twice: within") << 45 << 0;
    }

    void sumBeyondTheRange()
    {
        QFETCH(int, gainByte);
        QFETCH(int, side);
        GraphFixture f(0);
        f.model.store().setValue(ParamField::Value, 0, 0x01,
                                 0); // the low cut at 18 Hz: the left end within
        f.model.store().setFields(0, 0x06, {131, quint8(gainByte), 10}); // 1 kHz, Q 1
        f.model.store().setFields(0, 0x07, {146, quint8(gainByte), 5});  // 2.5 kHz, Q 0.5
        const QImage picture = f.picture();
        const GraphGeometry& g = f.view.geometry();
        const int edge = side >= 0 ? g.Top() + 1 : g.Bottom() - 2;
        const int label = side >= 0 ? g.Top() + 6 : g.Bottom() - 20; // the value's text
        bool written = false;
        for (int y = label; y < label + 14; ++y) {
            for (int x = 0; x < g.Width(); ++x) {
                written = written || near(picture.pixel(x, y), EqGraphRenderer::BeyondRange);
            }
        }
        QCOMPARE(near(picture.pixel(int(g.FreqToX(1500)), edge), EqGraphRenderer::BeyondRange),
                 side != 0);
        QCOMPARE(written, side != 0);
    }

    // While the group is bypassed the banner shows under its curve, which is dimmed and still
    // drawn over the banner.
    void bypassed_data()
    {
        QTest::addColumn<int>("bypassByte");
        QTest::addColumn<bool>("bypassed");
        QTest::newRow("bypassed") << 0 << true;
        QTest::newRow("equaliser on") << 1 << false;
    }

    void bypassed()
    {
        QFETCH(int, bypassByte);
        QFETCH(bool, bypassed);
        GraphFixture f(2);
        f.model.setCurrentMode(4);
        f.model.store().setValue(ParamField::Value, 4, EqGroupTable::instance().group(2).bypass,
                                 quint8(bypassByte));
        f.model.store().setFields(4, 0x57, {131, 135, 10}); // 1 kHz -12 dB Q 1: over the banner
        const QImage picture = f.picture();
        const QRgb banner = testColour(EqGraphRenderer::BypassBanner);
        QCOMPARE(picture.pixel(770, 320) == banner, bypassed);
        const QRgb curve = picture.pixel(f.onCurve(CurveRole::Main, 800));
        QCOMPARE(near(curve, EqGraphRenderer::MainCurve), !bypassed);
        QVERIFY(curve != banner);
    }

    // The selected band's readout stays inside the graph: right of its marker, left of it above
    // 10 kHz.
    void readoutSide_data()
    {
        QTest::addColumn<int>("frequencyIndex");
        QTest::addColumn<bool>("left");
        QTest::newRow("9900 Hz: right") << 220 << false;
        QTest::newRow("10500 Hz: left") << 222 << true;
    }

    void readoutSide()
    {
        QFETCH(int, frequencyIndex);
        QFETCH(bool, left);
        GraphFixture f(0);
        f.model.store().setFields(0, 0x03, {quint8(frequencyIndex), 125, 14}); // -10 dB
        const QImage picture = f.picture();
        const GraphGeometry& g = f.view.geometry();
        const QPoint marker(qRound(g.FreqToX(f.bands.band(0).Frequency)), qRound(g.DbToY(-10)));
        // Text pixels: light, unlike the curve (no blue), the markers and the background.
        const auto textIn = [&](int from, int to) {
            int count = 0;
            for (int x = from; x < to; ++x) {
                for (int y = marker.y() - 16; y < marker.y() + 22; ++y) {
                    const QRgb p = picture.pixel(marker.x() + x, y);
                    count += qGreen(p) > 120 && qBlue(p) > 120 ? 1 : 0;
                }
            }
            return count;
        };
        QCOMPARE(textIn(-54, -11) > 0, left);
        QCOMPARE(textIn(15, 60) > 0, !left);
    }

    // A band a drag changed is sent when asked, and dropped while offline.
    void pendingBandSend_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("offline") << false << QList<int>{};
        QTest::newRow("sent") << true << QList<int>{0x05};
    }

    void pendingBandSend()
    {
        QFETCH(bool, online);
        GraphFixture f(0);
        f.picture();
        f.sender.online = online;
        f.view.setPendingSendBand(2);
        f.view.sendPendingBand();
        QTEST(f.sender.sent, "sent");
        QCOMPARE(f.view.PendingSendBand(), int(EqGraphView::NoBand));
    }

    // An idle graph gives its work picture back; the next paint shows the same picture.
    void givesItsWorkPictureBackWhenIdle()
    {
        GraphFixture f(0);
        f.view.setWorkPictureKept(std::chrono::milliseconds(1));
        const QImage shown = f.picture();
        QTRY_VERIFY(!f.view.holdsWorkPicture());
        QCOMPARE(f.view.grab().toImage(), shown);
    }

    // A new size builds the grid again at the new scale and draws once.
    void resizeRedrawsAtTheNewScale()
    {
        GraphFixture f(0);
        f.picture();
        const int grids = f.view.gridBuildCount();
        const int redraws = f.view.redrawCount();
        f.view.resize(2 * GraphGeometry::DesignWidth, 2 * GraphGeometry::DesignHeight);
        f.view.DrawCurves();
        const QImage picture = f.view.grab().toImage();
        QCOMPARE(f.view.gridBuildCount(), grids + 1);
        QCOMPARE(f.view.redrawCount(), redraws + 1);
        QCOMPARE(f.view.geometry().Centre(), 360);
        QCOMPARE(picture.pixel(int(f.view.geometry().FreqToX(1500)), 360),
                 EqGraphRenderer::MainCurve);
    }
};

QTEST_MAIN(tst_EqGraphView)
#include "tst_EqGraphView.moc"
