#include "RowBands.h"

#include <QPainter>
#include <QTest>

// Drawn in bands or whole, a fill or a picture leaves the same pixels: no row is blended twice or
// left out where bands meet, also under a clip, a shift or a scale.
class tst_RowBands : public QObject
{
    Q_OBJECT

    // A pattern that shows a row blended twice.
    static QImage pattern(int rows, int alpha)
    {
        QImage image(120, rows, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qPremultiply(qRgba(x * 2, y % 256, 90, alpha)));
            }
        }
        return image;
    }

private slots:
    void drawsTheSamePixels_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<QRect>("clip"); // none if empty
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("image");
        const QTransform none;
        QTest::newRow("fill one row past a band") << none << QRect() << QRect(5, 9, 1, 33) << false;
        QTest::newRow("tall fill, clipped")
            << none << QRect(0, 20, 50, 200) << QRect(40, 0, 40, 300) << false;
        QTest::newRow("tall fill, shifted")
            << QTransform::fromTranslate(3, 7) << QRect() << QRect(5, 9, 2, 250) << false;
        QTest::newRow("tall fill, scaled")
            << QTransform::fromScale(1.5, 1.5) << QRect() << QRect(5, 9, 2, 150) << false;
        QTest::newRow("picture part") << none << QRect() << QRect(10, 30, 40, 65) << true;
        QTest::newRow("tall picture, clipped")
            << none << QRect(0, 20, 50, 200) << QRect(30, 4, 40, 280) << true;
        QTest::newRow("tall picture, scaled")
            << QTransform::fromScale(1.5, 1.5) << QRect() << QRect(10, 4, 40, 150) << true;
    }

    void drawsTheSamePixels()
    {
        QFETCH(QTransform, transform);
        QFETCH(QRect, clip);
        QFETCH(QRect, place);
        QFETCH(bool, image);
        // From the picture's third row on, so that source rows are offset too.
        const QImage source = pattern(place.height() + 3, 120);
        const QRect part(0, 2, place.width(), place.height());
        const auto draw = [&](bool banded) {
            QImage canvas = pattern(300, 255);
            QPainter painter(&canvas);
            painter.setTransform(transform);
            if (!clip.isEmpty()) {
                painter.setClipRect(clip);
            }
            const QColor colour = QColor::fromRgba(0x40808080);
            if (image && banded) {
                RowBands::drawImage(painter, QRectF(place), source, QRectF(part));
            } else if (image) {
                painter.drawImage(QRectF(place), source, QRectF(part));
            } else if (banded) {
                RowBands::fillRect(painter, place, colour);
            } else {
                painter.fillRect(place, colour);
            }
            painter.end();
            return canvas;
        };
        QCOMPARE(draw(true), draw(false));
    }
};

QTEST_MAIN(tst_RowBands)
#include "tst_RowBands.moc"
