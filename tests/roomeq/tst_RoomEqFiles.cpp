#include "FilterText.h"
#include "MeasurementText.h"

#include <QTest>

Q_DECLARE_METATYPE(CookbookFilter)

// Reading the filter text and the measurements of room-measurement programs.
class tst_RoomEqFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filterLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<CookbookFilter>("filter");
        const auto pk = [](double hz, double gain, double q) {
            return CookbookFilter{FilterType::Peaking, hz, gain, q};
        };
        QTest::newRow("peaking") << "Filter 1: ON PK Fc 100 Hz Gain -3.0 dB Q 1.41"
                                 << pk(100, -3, 1.41);
        QTest::newRow("no number, tabs, lower case, a plus sign")
            << "filter:\ton\tpeq fc 63.5 hz gain +2.99 db q 4" << pk(63.5, 2.99, 4);
        // The cookbook's bandwidth: one octave at 1 kHz is a little under the analogue 1.414.
        QTest::newRow("bandwidth in octaves")
            << "Filter 2: ON PK Fc 1000 Hz Gain 6 dB BW Oct 1.0" << pk(1000, 6, 1.4100);
        QTest::newRow("high-pass without Q is a Butterworth")
            << "Filter 3: ON HP Fc 30 Hz" << CookbookFilter{FilterType::HighPass, 30, 0, 0.7071};
        QTest::newRow("shelf with Q") << "Filter 4: ON LSC Fc 105 Hz Gain 5.5 dB Q 0.71"
                                      << CookbookFilter{FilterType::LowShelf, 105, 5.5, 0.71};
        QTest::newRow("high shelf without Q")
            << "Filter 5: ON HS Fc 10000 Hz Gain -5 dB"
            << CookbookFilter{FilterType::HighShelf, 10000, -5, 0.7071};
    }

    void filterLines()
    {
        QFETCH(QString, line);
        QFETCH(CookbookFilter, filter);
        const FilterText::Result read = FilterText::read(line);
        QVERIFY2(read.file, qPrintable(read.error));
        QCOMPARE(read.file->filters.size(), 1);
        const CookbookFilter& got = read.file->filters[0];
        QCOMPARE(got.type, filter.type);
        QCOMPARE(got.hz, filter.hz);
        QCOMPARE(got.gainDb, filter.gainDb);
        QVERIFY2(std::abs(got.q - filter.q) < 1e-4, qPrintable(QString::number(got.q)));
    }

    // What is passed over is counted; the preamp is kept apart.
    void passedOver()
    {
        const FilterText::Result read =
            FilterText::read(u"Filter Settings file\n\n# comment\nPreamp: -6.2 dB\n"
                             u"Filter 1: OFF PK Fc 100 Hz Gain 1 dB Q 1\n"
                             u"Filter 2: ON None\nFilter 3: ON PK Fc 200 Hz Gain 1 dB Q 1\r\n");
        QVERIFY2(read.file, qPrintable(read.error));
        QCOMPARE(read.file->filters.size(), 1);
        QCOMPARE(read.file->skippedLines, 2);
        QCOMPARE(read.file->filtersOff, 2);
        QCOMPARE(read.file->preampDb, -6.2);
    }

    // A malformed line refuses the whole file, naming the line and why.
    void malformed_data()
    {
        QTest::addColumn<bool>("measurement");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const auto filter = [](const char* name, const char* text, const char* error) {
            QTest::newRow(name) << false << QString::fromUtf8(text) << QString::fromUtf8(error);
        };
        const auto measured = [](const char* name, const char* text, const char* error) {
            QTest::newRow(name) << true << QString::fromUtf8(text) << QString::fromUtf8(error);
        };
        filter("decimal comma", "* x\nFilter 1: ON PK Fc 100 Hz Gain -3,5 dB Q 1",
               "line 2 (Filter 1: ON PK Fc 100 Hz Gain -3,5 dB Q 1): Gain needs a number written "
               "with a decimal point, not \"-3,5\"");
        filter("unit missing", "Filter 1: ON PK Fc 100 Gain 1 dB Q 1",
               "line 1 (Filter 1: ON PK Fc 100 Gain 1 dB Q 1): \"Hz\" expected, not \"Gain\"");
        filter("unknown type", "Filter 1: ON NO Fc 100 Hz", "the filter type \"NO\" is not one");
        filter("peaking without Q", "Filter 1: ON PK Fc 100 Hz Gain 1 dB",
               "a peaking filter needs Q or BW Oct");
        filter("Q and bandwidth", "Filter 1: ON PK Fc 100 Hz Gain 1 dB Q 1 BW Oct 1",
               "give Q or BW Oct, not both");
        filter("beyond half the sample rate", "Filter 1: ON LP Fc 24000 Hz",
               "Fc must lie from 1 Hz to below 24000 Hz");
        filter("half the sample rate once written", "Filter 1: ON LP Fc 23999.9999999 Hz",
               "Fc must lie from 1 Hz to below 24000 Hz");
        filter("bandwidth beyond the highest Q",
               "Filter 1: ON PK Fc 1000 Hz Gain 1 dB BW Oct 0.001",
               "BW Oct 0.001 at 1000 Hz is Q 1438.58, not from 0.01 to 100");
        filter("shelf without gain", "Filter 1: ON LS Fc 100 Hz", "Gain is missing");
        filter("a field twice", "Filter 1: ON HP Fc 100 Hz Fc 200 Hz", "Fc is given twice");
        filter("state missing", "Filter 1: PK Fc 100 Hz Gain 1 dB Q 1",
               "ON or OFF expected, not \"PK\"");
        filter("Q of 0", "Filter 1: ON PK Fc 100 Hz Gain 1 dB Q 0", "Q must lie from 0.01 to 100");
        filter("preamp without unit", "Preamp: -6", "line 1 (Preamp: -6): Preamp needs a gain");
        measured("falling frequency", "* REW\n20 80\n20 81",
                 "line 3 (20 81): the frequencies must");
        measured("level missing", "20 80\n30", "line 2 (30): a frequency and a level");
        measured("not a number", "20 80\n30 eighty", "line 2 (30 eighty): a frequency and a level");
        measured("header without raw", "frequency,smoothed\n20,1",
                 "line 1 (frequency,smoothed): a header must name the columns frequency and raw");
        measured("one point", "# only\n1000 80", "fewer than two measured points");
    }

    void malformed()
    {
        QFETCH(bool, measurement);
        QFETCH(QString, text);
        QFETCH(QString, error);
        const QString got =
            measurement ? MeasurementText::read(text).error : FilterText::read(text).error;
        QVERIFY2(got.startsWith(error) || (!error.startsWith(u"line") && got.contains(error)),
                 qPrintable(got));
    }

    // Both kinds of measurement text: blank, tab or comma separated with extra columns, and
    // CSV with the columns named in any order.
    void measurements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("text export") << "* Freq(Hz) SPL(dB) Phase\n20.0 70.5 12\n"
                                        "1.0e3\t71.25\t0\n# end\n20000, 69.0, 0\n";
        QTest::newRow("CSV") << "raw,frequency,smoothed\n70.5,20,0\n71.25,1000,0\n69,20000,0\n";
    }

    void measurements()
    {
        QFETCH(QString, text);
        const MeasurementText::Result read = MeasurementText::read(text);
        QVERIFY2(read.response, qPrintable(read.error));
        QCOMPARE(read.response->hz, (std::vector<double>{20, 1000, 20000}));
        QCOMPARE(read.response->db, (std::vector<double>{70.5, 71.25, 69}));
    }
};

QTEST_GUILESS_MAIN(tst_RoomEqFiles)
#include "tst_RoomEqFiles.moc"
