#include "FormDescription.h"
#include "FormPropertyReader.h"
#include "FormText.h"

#include <QTest>

namespace {

const QString Sample = QStringLiteral(
    "' The master section\n"
    "Begin Frame fraMaster\n"
    "   Left = 120  Top = 240  Width = 5355  Height = 5265\n"
    "   BackColor = &H202020\n"
    "   Begin ZEV_Studio.ScrollBar MyScrollBar(17)\n"
    "      Left = 1800  Top = 7200  Width = 2385.5  Height = 435   ' fractional twips are fine\n"
    "      DisplayType = 0  MaxValue = 160  MinPos = 28  MaxPos = 122  StableOtherPos = 3\n"
    "      BackPic = 244  BarPic = 241  TagNew = \"Group,&H00\"\n"
    "   End\n"
    "End\n"
    "begin Timer tmrKeepConnect\n"
    "   interval = 1000  Enabled = False  Note = \"keep-alive, \"\"0xFF\"\" once a second\"\n"
    "end\n");

} // namespace

class tst_FormDescription : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTree()
    {
        FormError error;
        const auto form = FormDescription::parse(Sample, QStringLiteral("main.frm"), error);
        QVERIFY2(form, qPrintable(error.toString()));
        QCOMPARE(form->nodes.size(), 2);

        const FormNode& frame = form->nodes[0];
        QCOMPARE(frame.className, QStringLiteral("Frame"));
        QCOMPARE(frame.index, -1);
        QCOMPARE(frame.geometry, QRectF(120, 240, 5355, 5265));
        QCOMPARE(frame.children.size(), 1);

        const FormNode& slider = frame.children[0];
        QCOMPARE(slider.name, QStringLiteral("MyScrollBar"));
        QCOMPARE(slider.index, 17);
        QCOMPARE(slider.line, 5);
        QCOMPARE(slider.geometry, QRectF(1800, 7200, 2385.5, 435));
        QVERIFY2(!slider.property(u"Left"), "geometry is not a property");
        QCOMPARE(slider.property(u"tagnew")->text, QStringLiteral("Group,&H00"));
        QVERIFY(slider.property(u"TAGNEW")->quoted);
        QCOMPARE(slider.property(u"BarPic")->line, 8);

        const FormNode& timer = form->nodes[1];
        QVERIFY(!timer.geometry);
        QCOMPARE(timer.property(u"Note")->text,
                 QStringLiteral("keep-alive, \"0xFF\" once a second"));
    }

    void writtenTextReadsBackTheSame()
    {
        FormError error;
        const auto form = FormDescription::parse(Sample, QStringLiteral("main.frm"), error);
        QVERIFY(form);
        const QString text = formText(*form);
        const auto again = FormDescription::parse(text, QStringLiteral("again.frm"), error);
        QVERIFY2(again, qPrintable(error.toString()));
        QCOMPARE(formText(*again), text);
        QVERIFY2(text.contains(u"   Begin ZEV_Studio.ScrollBar MyScrollBar(17)\n"),
                 qPrintable(text));
        QVERIFY(text.contains(u"Left = 1800  Top = 7200  Width = 2385.5  Height = 435\n"));
        for (const QStringView line : QStringView(text).split(u'\n')) {
            QVERIFY2(line.size() <= 100, qPrintable(line.toString()));
        }
    }

    void malformedTextNamesFileAndLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("property outside a block") << "Left = 1\n" << 1 << "outside";
        QTest::newRow("End without Begin") << "\n\nEnd\n" << 3 << "without";
        QTest::newRow("Begin without End") << "Begin Label a\n Left = 1\n" << 1 << "no matching";
        QTest::newRow("no name") << "Begin Label\nEnd\n" << 1 << "name";
        QTest::newRow("bad index") << "Begin Label a(x)\nEnd\n" << 1 << "index";
        QTest::newRow("unclosed index") << "Begin Label a(3\nEnd\n" << 1 << "index";
        QTest::newRow("missing =") << "Begin Label a\n Caption \"x\"\nEnd\n" << 2 << "\"=\"";
        QTest::newRow("missing value") << "Begin Label a\n Caption =\nEnd\n" << 2 << "no value";
        QTest::newRow("open quote") << "Begin Label a\n Caption = \"x\nEnd\n" << 2 << "quote";
        QTest::newRow("twice") << "Begin Label a\n Caption = \"x\"\n caption = \"y\"\nEnd\n"
                               << 3 << "twice";
        QTest::newRow("geometry not a number")
            << "Begin Label a\n Left = x  Top = 0  Width = 1  Height = 1\nEnd\n"
            << 2 << "number";
        QTest::newRow("negative width")
            << "Begin Label a\n Left = 0  Top = 0  Width = -1  Height = 1\nEnd\n"
            << 2 << "negative";
        QTest::newRow("partial geometry") << "Begin Label a\n Left = 0  Top = 0\nEnd\n"
                                          << 1 << "Height";
        QTest::newRow("keyword as a key") << "Begin Label a\n Caption = x  end= y\nEnd\n"
                                          << 2 << "keyword";
        QTest::newRow("text after End") << "Begin Label a\nEnd junk\n" << 2 << "End";
    }
    void malformedTextNamesFileAndLine()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, fragment);
        FormError error;
        QVERIFY(!FormDescription::parse(text, QStringLiteral("bad.frm"), error));
        QCOMPARE(error.line, line);
        QVERIFY2(error.toString().startsWith(QStringLiteral("bad.frm:%1: ").arg(line)),
                 qPrintable(error.toString()));
        QVERIFY2(error.message.contains(fragment), qPrintable(error.message));
    }

    void readerRefusesBadValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("below the range") << "MaxValue = 0"
                                         << "outside 1 to 255";
        QTest::newRow("not a number") << "MaxValue = ten"
                                      << "whole number";
        QTest::newRow("hex accepted, too large") << "MaxValue = &H100"
                                                 << "outside";
        QTest::newRow("not a boolean") << "Enabled = yes"
                                       << "True or False";
        QTest::newRow("misspelt key") << "MaxValu = 10"
                                      << "no property MaxValu";
    }
    void readerRefusesBadValues()
    {
        QFETCH(QString, property);
        QFETCH(QString, fragment);
        FormError error;
        const auto form = FormDescription::parse(
            QStringLiteral("Begin ZEV_Studio.ScrollBar s\n\n  %1\nEnd\n").arg(property),
            QStringLiteral("f.frm"), error);
        QVERIFY(form);
        FormPropertyReader reader(form->nodes[0], QStringLiteral("f.frm"));
        reader.integer(u"MaxValue", 86, 1, 255);
        reader.boolean(u"Enabled", true);
        reader.finish();
        QVERIFY(!reader.ok());
        QCOMPARE(reader.error().line, 3);
        QVERIFY2(reader.error().message.contains(fragment), qPrintable(reader.error().message));
    }

    void readerTakesDefaultsAndAnyCase()
    {
        FormError error;
        const auto form = FormDescription::parse(
            u"Begin X s\n maxvalue = &HA0  ENABLED = -1\nEnd\n", QStringLiteral("f"), error);
        QVERIFY(form);
        FormPropertyReader reader(form->nodes[0], QStringLiteral("f"));
        QCOMPARE(reader.integer(u"MaxValue", 86, 1, 255), 160);
        QCOMPARE(reader.boolean(u"Enabled", false), true);
        QCOMPARE(reader.integer(u"MinPos", 56, 0, 1000), 56);
        QCOMPARE(reader.text(u"TagNew", QStringLiteral("none")), QStringLiteral("none"));
        reader.finish();
        QVERIFY(reader.ok());
    }
};

QTEST_GUILESS_MAIN(tst_FormDescription)
#include "tst_FormDescription.moc"
