// The desktop icon: every size drawn at exactly that size with the emblem inside a transparent
// margin, and a scalable icon that is vector drawing throughout.
#include "IconTheme.h"

#include <QXmlStreamReader>
#include <QtTest>

class tst_IconTheme : public QObject
{
    Q_OBJECT

private slots:
    void iconFillsItsSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : IconTheme::sizes())
            QTest::addRow("%dx%d", size, size) << size;
    }

    void iconFillsItsSize()
    {
        QFETCH(int, size);
        const QImage icon = IconTheme::draw(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        // The emblem reaches close to the edges: a margin, not a small picture in a big square.
        QVERIFY(qAlpha(icon.pixel(size / 2, size / 8)) > 0);
    }

    void scalableIconIsVectorDrawing()
    {
        const QByteArray svg = IconTheme::drawScalable();
        QXmlStreamReader reader(svg);
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.name(), QStringLiteral("svg"));
        QVERIFY(!reader.attributes().value(QStringLiteral("viewBox")).isEmpty());
        while (!reader.atEnd()) {
            reader.readNext();
            // A brush SVG cannot express comes out as an embedded bitmap, which does not scale.
            QVERIFY2(!(reader.isStartElement() && reader.name() == QStringLiteral("image")),
                     "the scalable icon embeds a bitmap");
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QVERIFY(!svg.contains("url(#)"));
    }
};

QTEST_MAIN(tst_IconTheme)
#include "tst_IconTheme.moc"
