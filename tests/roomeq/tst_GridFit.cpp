#include "BandGrid.h"
#include "FilterResponse.h"
#include "FilterText.h"
#include "FrequencyPoints.h"
#include "GridFit.h"
#include "GridPolish.h"
#include "MeasuredResponse.h"
#include "ParamModel.h"
#include "ProcessorModel.h"
#include "RoomCorrection.h"

#include <QTest>
#include <cmath>
#include <functional>

namespace {

GroupBands readGroup(const ParamModel& model, int group)
{
    return GroupBands::read(model.store(), 2, group);
}

QList<quint8> bytesOf(const GroupBands& bands)
{
    QList<quint8> bytes;
    for (const StoredBand& band : bands.bands()) {
        bytes << band.address << band.index << band.gain << band.q;
    }
    return bytes;
}

// Mode 2 of a factory model with some bands moved off their defaults.
ParamModel editedModel()
{
    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    ParamStore& store = model.store();
    store.setFields(2, 0x03, {12, 40, 33}); // 42 Hz, +7 dB, a Q byte the knob never writes
    store.setFields(2, 0x05, {150, 110, 25});
    store.setFields(2, 0x44, {60, 20, 50});
    store.setFields(2, 0x50, {200, 95, 8});
    store.setFields(2, 0x89, {100, 60, 30});
    store.setValue(ParamField::Value, 2, 0x41,
                   30); // a low cut at 78 Hz with the factory's empty gain and Q
    store.setValue(ParamField::Value, 2, 0x82, 210);
    store.setValue(ParamField::Value, 2, 0x1C, 20);
    return model;
}

} // namespace

class tst_GridFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A group exported as filter text and imported again sends nothing and stores the same
    // bytes.
    void exportThenImport_data()
    {
        QTest::addColumn<int>("group");
        QTest::newRow("music") << 0;
        QTest::newRow("microphones 1-2") << 1;
        QTest::newRow("effect") << 3;
        QTest::newRow("bass: cuts only") << 6;
    }

    void exportThenImport()
    {
        QFETCH(int, group);
        ParamModel model = editedModel();
        const ParamStore stored = model.store();
        const GroupBands before = readGroup(model, group);
        const FilterText::Result read =
            FilterText::read(FilterText::write(before.filters(), QStringLiteral("a group")));
        QVERIFY2(read.file, qPrintable(read.error));
        const FilterList& filters = read.file->filters;
        const Wish wish =
            Wish::everywhere(FilterResponse::sum(filters, FrequencyPoints::standard()));
        const GridFit::Result fitted = GridFit::fit(wish, before, filters);
        QCOMPARE(fitted.bands.changedAddresses(before), QList<int>());
        fitted.bands.writeChanges(model.store(), 2, before);
        QVERIFY(model.store() == stored);
        QVERIFY2(fitted.deviation.maxDb < 0.01, qPrintable(fitted.deviation.text()));
    }

    // A response the group can make on the grid is found again without a seed, closely.
    void findsWhatTheGridMakes_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<double>("rms");
        QTest::newRow("music") << 0 << 0.005;
        QTest::newRow("microphones 1-2") << 1 << 0.03;
    }

    void findsWhatTheGridMakes()
    {
        QFETCH(int, group);
        QFETCH(double, rms);
        ParamModel model = editedModel();
        const GroupBands made = readGroup(model, group);
        ProcessorModel processor(FrequencyPoints::standard());
        const Wish wish = Wish::everywhere(processor.group(made));
        model.InitDefaults(ParamModel::FactoryReset);
        const GridFit::Result fitted = GridFit::fit(wish, readGroup(model, group));
        QVERIFY2(fitted.deviation.rmsDb < rms, qPrintable(fitted.deviation.text()));
    }

    // The same wish gives the same bands, whatever was fitted before.
    void deterministic()
    {
        ParamModel model = editedModel();
        const GroupBands current = readGroup(model, 1);
        std::vector<double> db(std::size_t(FrequencyPoints::standard().size()));
        for (std::size_t i = 0; i < db.size(); ++i) {
            db[i] = 4 * std::sin(0.05 * double(i)) + 2 * std::cos(0.21 * double(i));
        }
        const Wish wish = Wish::everywhere(db);
        const QList<quint8> first = bytesOf(GridFit::fit(wish, current).bands);
        GridFit::fit(Wish::everywhere(std::vector<double>(db.size(), 3.0)), current);
        QCOMPARE(bytesOf(GridFit::fit(wish, current).bands), first);
    }

    // Two steps that each cost alone but make up for each other are taken together.
    void polishTradesSteps_data()
    {
        QTest::addColumn<int>("gainStep");
        QTest::newRow("two bands of one frequency and Q, gains a step apart either way") << 1;
    }

    void polishTradesSteps()
    {
        QFETCH(int, gainStep);
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        GroupBands made = readGroup(model, 1);
        for (StoredBand& band : {std::ref(made.bands()[0]), std::ref(made.bands()[1])}) {
            band.index = 100;
            band.gain = 60;
            band.q = 20;
        }
        ProcessorModel processor(FrequencyPoints::standard());
        const Wish wish = Wish::everywhere(processor.group(made));
        GroupBands polished = made;
        polished.bands()[0].gain = quint8(60 + gainStep);
        polished.bands()[1].gain = quint8(60 - gainStep);
        GridPolish(FrequencyPoints::standard(), wish).run(polished);
        QCOMPARE(bytesOf(polished), bytesOf(made));
    }

    // The correction of a measured dip: the measurement levelled at its 200 Hz - 2 kHz mean and
    // turned over; nothing wished beyond its ends.
    void roomCorrection()
    {
        std::vector<double> hz;
        for (double f = 30; f <= 15000; f *= 1.01) {
            hz.push_back(f);
        }
        const FilterList dip{{FilterType::Peaking, 100, -6, 2}};
        MeasuredResponse measured{hz, FilterResponse::sum(dip, FrequencyPoints(hz))};
        for (double& db : measured.db) {
            db += 75;
        }
        const RoomCorrection::Result result = RoomCorrection::wish(measured, nullptr);
        QVERIFY2(result.wish, qPrintable(result.error));
        const FrequencyPoints& points = FrequencyPoints::standard();
        const std::vector<double> expected =
            FilterResponse::sum({{FilterType::Peaking, 100, 6, 2}}, points);
        const double level = *RoomCorrection::level(measured) - 75;
        for (int i = 0; i < points.size(); ++i) {
            const bool inside = points.hz(i) >= hz.front() && points.hz(i) <= hz.back();
            QCOMPARE(result.wish->weight[std::size_t(i)], inside ? 1.0 : 0.0);
            if (inside) {
                QVERIFY2(std::abs(result.wish->db[std::size_t(i)] -
                                  (expected[std::size_t(i)] + level)) < 0.05,
                         qPrintable(QString::number(points.hz(i))));
            }
        }
    }

    // The grid values a fit may choose.
    void grid_data()
    {
        QTest::addColumn<int>("got");
        QTest::addColumn<int>("expected");
        // Q 3.6 lies nearer Q 4 (byte 31) than Q 3; 4 q + 15 would give byte 29 (Q 2.9).
        QTest::newRow("Q 3.6") << int(BandGrid::nearestQ(3.6)) << 31;
        QTest::newRow("Q 3.4") << int(BandGrid::nearestQ(3.4)) << 30;
        QTest::newRow("99 Hz is nearer 100 Hz") << int(BandGrid::nearestIndex(99, {0, 241})) << 41;
        // Gain bytes fall as the gain rises: around -3.05 dB lie -3.2 (91) and -3.0 (90).
        QTest::newRow("below -3.05 dB") << int(BandGrid::gainsAround(-3.05)[0]) << 91;
        QTest::newRow("above -3.05 dB") << int(BandGrid::gainsAround(-3.05)[1]) << 90;
        QTest::newRow("music low cut up to 230 Hz")
            << int(BandGrid::indexRange(BandKind::LowCut, 0).high) << 54;
        QTest::newRow("microphone high cut from 8 kHz")
            << int(BandGrid::indexRange(BandKind::HighCut, 1).low) << 201;
    }

    void grid()
    {
        QFETCH(int, got);
        QTEST(got, "expected");
    }
};

QTEST_GUILESS_MAIN(tst_GridFit)
#include "tst_GridFit.moc"
