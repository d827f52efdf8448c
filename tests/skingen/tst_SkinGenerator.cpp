// The drawing program's output: every picture at its catalog size, nothing left undrawn, the same
// bytes on every run, and slots that run exactly between the thumb stops.
#include "SkinCatalog.h"
#include "SkinGenerator.h"
#include "SkinStyle.h"

#include <QtTest>

class tst_SkinGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureHasItsCatalogSizeAndIsDrawn();
    void writingIsRepeatable();
    void slotRunsBetweenTheStops_data();
    void slotRunsBetweenTheStops();

private:
    static bool isSlot(const QImage& image, int x, int y);

    SkinGenerator m_generator;
};

void tst_SkinGenerator::initTestCase()
{
    // The build draws the skin with these fonts, so a machine without them cannot have built the
    // program either: fail loudly rather than pass by skipping.
    if (const QString missing = SkinGenerator::missingFonts(); !missing.isEmpty()) {
        QFAIL(qPrintable(QStringLiteral("fonts not installed: %1 (install %2)")
                             .arg(missing, SkinStyle::fontPackages())));
    }
}

void tst_SkinGenerator::everyPictureHasItsCatalogSizeAndIsDrawn()
{
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        const QImage image = m_generator.draw(id);
        QCOMPARE(image.size(), SkinCatalog::naturalSize(id));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(QString::number(id)));
        const bool spare = SkinCatalog::role(id).contains(QLatin1String("spare"));
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) != 0;
        }
        // Spare pictures stay empty; every other id must be claimed by one of the painters.
        QVERIFY2(drawn != spare,
                 qPrintable(QStringLiteral("picture %1 (%2)").arg(id).arg(SkinCatalog::role(id))));
    }
}

void tst_SkinGenerator::writingIsRepeatable()
{
    // Grain comes from seeded noise and the files carry no time stamp: every build must embed
    // the same bytes.
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    QCOMPARE(m_generator.writeAll(first.path()), QString());
    QCOMPARE(m_generator.writeAll(second.path()), QString());
    for (int id = SkinCatalog::FirstId; id <= SkinCatalog::LastId; ++id) {
        const QString name = QStringLiteral("%1.png").arg(id);
        QFile a(QDir(first.path()).filePath(name));
        QFile b(QDir(second.path()).filePath(name));
        QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(name));
    }
}

bool tst_SkinGenerator::isSlot(const QImage& image, int x, int y)
{
    // The slot is the near-black groove the thumb runs in.
    const QRgb pixel = image.pixel(x, y);
    return qAlpha(pixel) > 200 && qGray(pixel) < 24;
}

void tst_SkinGenerator::slotRunsBetweenTheStops_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("from"); // thumb stops along the axis
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("cross"); // a pixel row or column inside the slot

    QTest::newRow("large fader 220") << 220 << true << 24 << 280 << 18;
    QTest::newRow("tone 221") << 221 << true << 18 << 310 << 23;
    QTest::newRow("common level 272") << 272 << true << 16 << 124 << 20;
    QTest::newRow("volume 317") << 317 << true << 18 << 148 << 16;
    QTest::newRow("effect fader 299") << 299 << true << 20 << 156 << 18;
    QTest::newRow("effect slider 298") << 298 << false << 20 << 209 << 19;
    QTest::newRow("aux balance 243") << 243 << false << 28 << 122 << 15;
    QTest::newRow("main balance 244") << 244 << false << 28 << 122 << 15;
    QTest::newRow("frequency knob 245") << 245 << false << 56 << 256 << 22;
    QTest::newRow("gain knob 246") << 246 << false << 56 << 256 << 22;
    QTest::newRow("Q knob 247") << 247 << false << 56 << 256 << 22;
}

void tst_SkinGenerator::slotRunsBetweenTheStops()
{
    QFETCH(int, id);
    QFETCH(bool, vertical);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, cross);
    const QImage image = m_generator.draw(id);
    auto slotAt = [&](int along) {
        return vertical ? isSlot(image, cross, along) : isSlot(image, along, cross);
    };
    for (int along = from; along <= to; ++along)
        QVERIFY2(slotAt(along), qPrintable(QStringLiteral("no slot at %1").arg(along)));
    // The rounded ends stop within a few pixels of the stops, never further out.
    QVERIFY(!slotAt(from - 4));
    QVERIFY(!slotAt(to + 4));
}

QTEST_MAIN(tst_SkinGenerator)
#include "tst_SkinGenerator.moc"
