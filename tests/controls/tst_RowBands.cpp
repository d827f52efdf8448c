#include "RowBands.h"

#include <QImage>
#include <QPainter>
#include <QTest>

// Drawn in bands or whole, a fill or a picture leaves the same pixels: no row is drawn twice or
// left out where the bands meet, also under a clip, a shift or a scale.
class tst_RowBands : public QObject
{
    Q_OBJECT

    enum class Setup
    {
        Plain,
        Clipped,
        Shifted,
        Scaled
    };

    static QImage canvas()
    {
        // A pattern under the drawing, so that a row blended twice shows.
        QImage image(120, 300, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgba(x * 2, y % 256, 90, 255));
            }
        }
        return image;
    }

    static void prepare(QPainter& painter, Setup setup)
    {
        if (setup == Setup::Clipped) {
            painter.setClipRegion(QRegion(0, 0, 50, 300) + QRegion(70, 20, 30, 200));
        } else if (setup == Setup::Shifted) {
            painter.translate(3, 7);
        } else if (setup == Setup::Scaled) {
            painter.scale(1.5, 1.5);
        }
    }

    static QImage picture(int rows)
    {
        QImage image(40, rows, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qPremultiply(qRgba(200, x * 5, y % 256, 40 + y % 200)));
            }
        }
        return image;
    }

private slots:
    void drawsTheSamePixels_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("image");
        QTest::newRow("fill of one row") << Setup::Plain << QRect(5, 9, 100, 1) << false;
        QTest::newRow("fill of one band") << Setup::Plain << QRect(5, 9, 1, 32) << false;
        QTest::newRow("fill one row past a band") << Setup::Plain << QRect(5, 9, 1, 33) << false;
        QTest::newRow("tall fill") << Setup::Plain << QRect(5, 9, 3, 290) << false;
        QTest::newRow("tall fill, clipped") << Setup::Clipped << QRect(40, 0, 40, 300) << false;
        QTest::newRow("tall fill, shifted") << Setup::Shifted << QRect(5, 9, 2, 250) << false;
        QTest::newRow("tall fill, scaled") << Setup::Scaled << QRect(5, 9, 2, 150) << false;
        QTest::newRow("picture part") << Setup::Plain << QRect(10, 30, 40, 65) << true;
        QTest::newRow("tall picture") << Setup::Plain << QRect(10, 4, 40, 280) << true;
        QTest::newRow("tall picture, clipped") << Setup::Clipped << QRect(30, 4, 40, 280) << true;
        QTest::newRow("tall picture, shifted") << Setup::Shifted << QRect(10, 4, 40, 200) << true;
        QTest::newRow("tall picture, scaled") << Setup::Scaled << QRect(10, 4, 40, 150) << true;
    }

    void drawsTheSamePixels()
    {
        QFETCH(Setup, setup);
        QFETCH(QRect, place);
        QFETCH(bool, image);
        const QColor colour = QColor::fromRgba(0x40808080);
        // A part of the picture from its second row on, so that source rows are offset too.
        const QImage source = picture(place.height() + 3);
        const QRect part(0, 2, place.width(), place.height());

        QImage whole = canvas();
        QImage banded = canvas();
        {
            QPainter painter(&whole);
            prepare(painter, setup);
            if (image) {
                painter.drawImage(QRectF(place), source, QRectF(part));
            } else {
                painter.fillRect(place, colour);
            }
        }
        {
            QPainter painter(&banded);
            prepare(painter, setup);
            if (image) {
                RowBands::drawImage(painter, QRectF(place), source, QRectF(part));
            } else {
                RowBands::fillRect(painter, place, colour);
            }
        }
        QCOMPARE(banded, whole);
    }
};

QTEST_MAIN(tst_RowBands)
#include "tst_RowBands.moc"
