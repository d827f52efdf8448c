#include "PngWriter.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>

// The screenshot's own PNG encoder: what it writes reads back as the very same pixels.
class tst_PngWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBackAsWritten_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("pieces");
        // Rows whose byte count is no multiple of four (Qt pads its rows, PNG does not).
        QTest::newRow("opaque, odd width") << noise(QSize(37, 11), QImage::Format_RGB32) << 1;
        QTest::newRow("translucent") << noise(QSize(16, 9), QImage::Format_ARGB32) << 1;
        QTest::newRow("one pixel") << noise(QSize(1, 1), QImage::Format_RGB32) << 1;
        // Rows deflated in pieces and joined: uneven pieces, more pieces than rows, one row.
        QTest::newRow("odd width, 3 pieces") << noise(QSize(37, 11), QImage::Format_RGB32) << 3;
        QTest::newRow("translucent, 4 pieces") << noise(QSize(301, 97), QImage::Format_ARGB32) << 4;
        QTest::newRow("2 rows, 4 pieces") << noise(QSize(5, 2), QImage::Format_RGB32) << 4;
        QTest::newRow("one row, 3 pieces") << noise(QSize(9, 1), QImage::Format_RGB32) << 3;
    }

    void readsBackAsWritten()
    {
        QFETCH(QImage, image);
        QFETCH(int, pieces);
        QImage read;
        QVERIFY(read.loadFromData(PngWriter::encode(image, pieces), "PNG"));
        QCOMPARE(read.hasAlphaChannel(), image.hasAlphaChannel());
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32),
                 image.convertToFormat(QImage::Format_ARGB32));
    }

private:
    static QImage noise(QSize size, QImage::Format format)
    {
        QImage image(size, format);
        QRandomGenerator random(7);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const quint32 pixel = random.generate();
                image.setPixel(x, y, format == QImage::Format_RGB32 ? pixel | 0xFF000000u : pixel);
            }
        }
        return image;
    }
};

QTEST_GUILESS_MAIN(tst_PngWriter)
#include "tst_PngWriter.moc"
