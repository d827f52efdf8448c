#include "ShowNumber.h"
#include "TestSkin.h"
#include "Twips.h"

#include <QSignalSpy>
#include <QTest>
#include <limits>

namespace {

constexpr QRgb Back = qRgb(0x10, 0x20, 0x30);

struct Fixture
{
    SkinImages skin;
    QWidget window;
    ShowNumber* display = nullptr;

    Fixture()
    {
        installTestPictures(skin);
        skin.setWindowActivated(true);
        window.resize(400, 200);
        display = new ShowNumber(skin, &window);
        display->setBackColor(0x102030);
        window.show();
    }
    // A bare read-out of the large digits, 13 pixels high by design.
    void makeBare(int width)
    {
        display->setTwipsGeometry(QRectF(0, 0, width * TwipsPerPixel, 13 * TwipsPerPixel));
        display->setPicNumber(223);
    }
    QImage picture() const { return display->grab().toImage(); }
};

// The ids along one pixel row, one entry per run of equal colour: "back", or the picture id.
QStringList runs(const QImage& image, int y)
{
    QStringList names;
    QRgb last = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        if (x > 0 && c == last) {
            continue;
        }
        last = c;
        QString name = c == Back ? QStringLiteral("back") : QStringLiteral("?");
        for (int id = 101; id <= 400 && name == u'?'; ++id) {
            if (testColour(id) == c) {
                name = QString::number(id);
            }
        }
        names << QStringLiteral("%1@%2").arg(name).arg(x);
    }
    return names;
}

} // namespace

class tst_ShowNumber : public QObject
{
    Q_OBJECT

private slots:
    void glyphsAreCentredAndAdvanceByTheirOwnWidth_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("div10");
        QTest::addColumn<QStringList>("row");
        // Centred by the width of the 0 (10 pixels) for every glyph; minus and 1 are 9 wide.
        QTest::newRow("-12") << -12 << false
                             << QStringList{"back@0", "296@15", "224@24", "225@33", "back@43"};
        QTest::newRow("-1234 div10")
            << -1234 << true
            << QStringList{"296@0", "224@9", "225@18", "226@28", "295@38", "227@44", "back@54"};
        QTest::newRow("7 div10") << 7 << true
                                 << QStringList{"back@0", "223@15", "295@25", "230@31", "back@41"};
    }
    void glyphsAreCentredAndAdvanceByTheirOwnWidth()
    {
        QFETCH(int, value);
        QFETCH(bool, div10);
        QFETCH(QStringList, row);
        Fixture f;
        f.makeBare(60);
        f.display->setValue(value);
        f.display->setDiv10(div10);
        QCOMPARE(runs(f.picture(), 6), row);
    }

    void aNumberWiderThanTheControlStartsAtTheLeft()
    {
        Fixture f;
        f.makeBare(60);
        f.display->setValue(std::numeric_limits<qint32>::min());
        QCOMPARE(runs(f.picture(), 6).mid(0, 3), (QStringList{"296@0", "225@9", "224@19"}));
    }

    void everythingScalesWithTheHeight_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QStringList>("row");
        // The band read-out background 252 is 60x29; a 10x13 digit sits at (25, 8).
        QTest::newRow("design size") << 1.0 << QStringList{"252@0", "228@25", "252@35"};
        QTest::newRow("twice as tall") << 2.0 << QStringList{"252@0", "228@50", "252@70"};
    }
    void everythingScalesWithTheHeight()
    {
        QFETCH(double, scale);
        QFETCH(QStringList, row);
        Fixture f;
        f.display->setBackPic(252);
        QCOMPARE(f.display->size(), QSize(60, 29));
        f.display->setValue(5);
        f.display->setTwipsGeometry(
            QRectF(0, 0, 60 * TwipsPerPixel * scale, 29 * TwipsPerPixel * scale));
        const QImage image = f.picture();
        QCOMPARE(runs(image, int(8 * scale)), row);
        QCOMPARE(runs(image, int(8 * scale) - 1), QStringList{"252@0"});
        QCOMPARE(runs(image, int(21 * scale) - 1), row);
        QCOMPARE(runs(image, int(21 * scale)), QStringList{"252@0"});
    }

    void clickIsRaisedForAClickOnly()
    {
        Fixture f;
        f.makeBare(60);
        QSignalSpy clicks(f.display, &ShowNumber::Click);
        f.display->setValue(12);
        QCOMPARE(clicks.size(), 0);
        QTest::mouseClick(f.display, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.size(), 1);
        QTest::mousePress(f.display, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f.display, Qt::LeftButton, {}, QPoint(200, 5));
        QCOMPARE(clicks.size(), 1);
    }
};

QTEST_MAIN(tst_ShowNumber)
#include "tst_ShowNumber.moc"
