#include "C_ProgressBar.h"
#include "FormLoader.h"
#include "FormPropertyReader.h"
#include "FormText.h"
#include "FormTimer.h"
#include "FormWriteBack.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedFormClasses.h"
#include "SkinnedSlider.h"
#include "TestSkin.h"
#include "Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Design = QStringLiteral(R"(' A small window with every kind of control
Begin Frame fraMaster
   Left = 150  Top = 300  Width = 6000  Height = 6000
   BackColor = &H202020
   Begin ZEV_Studio.ScrollBar MyScrollBar(17)
      Left = 1800  Top = 750  Width = 2385  Height = 435
      displaytype = 0  maxvalue = 160  minpos = 28  maxpos = 122  stableotherpos = 3
      backpic = 244  barpic = 241  tagnew = "Group,&H00"
   End
   Begin ZEV_Studio.SimpControl btnMode(1)
      Left = 0  Top = 0  Width = 1740  Height = 825
      Pics = "120"  ActionType = 2  TagNew = "Common,&HC5"
   End
End
Begin ZEV_Studio.SimpControl btnMode(0)
   Left = 7000  Top = 0  Width = 1740  Height = 825
   Pics = "118"  ActionType = 2
End
Begin ZEV_Studio.ShowNumber MyNumber(3)
   Left = 7000  Top = 1500  Width = 900  Height = 195
   PicNumber = 305  Div10 = True  Value = -55
End
Begin ZEV_Studio.C_ProgressBar C_ProgressBar1
   Left = 0  Top = 7000  Width = 9000  Height = 375  Visible = False
End
Begin PictureBox Picture1
   Left = 0  Top = 8000  Width = 3000  Height = 1500  BackColor = &H000000
End
Begin TextBox Text1
   Left = 4000  Top = 8000  Width = 900  Height = 300  Text = "1.0"  Alignment = 2
End
Begin Label lblNote
   Left = 5000  Top = 8000  Width = 2000  Height = 300  Caption = "频率"  ForeColor = &HFFFFFF
End
Begin CheckBox chkLink
   Left = 7500  Top = 8000  Width = 1500  Height = 300  Caption = "Link"  Value = 1
End
Begin Timer tmrKeepConnect
   Interval = 1000  Enabled = True  Note = "keep-alive once a second"
End
Begin Timer tmrEnd
   Interval = 10  Enabled = False
End
)");

struct Fixture
{
    SkinImages skin;
    QWidget window;
    FormLoader loader;
    std::optional<FormDescription> design; // the one loaded last

    Fixture()
    {
        installTestPictures(skin);
        addSkinnedFormClasses(loader, skin);
        window.resize(800, 800);
    }
    std::unique_ptr<Form> load(const QString& text, FormError& error)
    {
        design = FormDescription::parse(text, QStringLiteral("main.frm"), error);
        return design ? loader.load(*design, &window, error) : nullptr;
    }
    int builtWidgets() const { return int(window.findChildren<QWidget*>().size()); }
};

QStringList keys(const FormNode& node)
{
    QStringList list;
    for (const FormProperty& p : node.properties) {
        list << p.key;
    }
    return list;
}

} // namespace

class tst_FormLoader : public QObject
{
    Q_OBJECT

private slots:
    void buildsEveryKind()
    {
        Fixture f;
        FormError error;
        const auto form = f.load(Design, error);
        QVERIFY2(form, qPrintable(error.toString()));

        auto* frame = form->find<QWidget>(QStringLiteral("fraMaster"));
        auto* slider = form->find<SkinnedSlider>(QStringLiteral("MyScrollBar"), 17);
        QVERIFY(frame && slider);
        QCOMPARE(slider->parentWidget(), frame);
        QCOMPARE(slider->geometry(), QRect(120, 50, 159, 29));
        QCOMPARE(designGeometry(*form, *f.design, slider), QRectF(1800, 750, 2385, 435));
        QCOMPARE(slider->tagNew(), QStringLiteral("Group,&H00"));
        QCOMPARE(slider->value(), 80);

        QCOMPARE(form->find<SimpControl>(QStringLiteral("btnMode"), 1)->pics(),
                 QStringLiteral("120"));
        QCOMPARE(form->find<SimpControl>(QStringLiteral("btnmode"), 0)->pics(),
                 QStringLiteral("118"));
        QVERIFY(!form->find<SimpControl>(QStringLiteral("btnMode")));
        QVERIFY(!form->find<ShowNumber>(QStringLiteral("btnMode"), 0));

        auto* number = form->find<ShowNumber>(QStringLiteral("MyNumber"), 3);
        QCOMPARE(number->value(), -55);
        QCOMPARE(number->designHeight(), 195.0);
        QVERIFY(form->find<C_ProgressBar>(QStringLiteral("C_ProgressBar1"))->isHidden());
        QCOMPARE(form->find<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("1.0"));
        QCOMPARE(form->find<QLabel>(QStringLiteral("lblNote"))->text(), QStringLiteral("频率"));
        QVERIFY(form->find<QCheckBox>(QStringLiteral("chkLink"))->isChecked());

        QTimer* keepAlive = form->timer(QStringLiteral("tmrKeepConnect"));
        QVERIFY(keepAlive);
        QVERIFY2(!keepAlive->isActive(), "timers are made stopped");
        QCOMPARE(keepAlive->interval(), 1000);
        const auto* keepAliveDesign = form->find<FormTimer>(QStringLiteral("tmrKeepConnect"));
        const auto* endDesign = form->find<FormTimer>(QStringLiteral("tmrEnd"));
        QVERIFY(keepAliveDesign && endDesign);
        QVERIFY(keepAliveDesign->enabledAtStart());
        QVERIFY(!endDesign->enabledAtStart());
        QCOMPARE(keepAliveDesign->note(), QStringLiteral("keep-alive once a second"));
    }

    void aHiddenFrameHidesItsControls()
    {
        Fixture f;
        FormError error;
        QString text = Design;
        text.replace(QStringLiteral("BackColor = &H202020"),
                     QStringLiteral("BackColor = &H202020  Visible = False"));
        const auto form = f.load(text, error);
        QVERIFY2(form, qPrintable(error.toString()));
        f.window.show();
        QVERIFY(!form->find<SkinnedSlider>(QStringLiteral("MyScrollBar"), 17)->isVisible());
        QVERIFY(form->find<SimpControl>(QStringLiteral("btnMode"), 0)->isVisible());
        form->find<QWidget>(QStringLiteral("fraMaster"))->show();
        QVERIFY(form->find<SkinnedSlider>(QStringLiteral("MyScrollBar"), 17)->isVisible());
    }

    void storedSlidersStartCentred_data()
    {
        QTest::addColumn<QString>("properties");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("changeMinMax");
        QTest::newRow("defaults") << "" << 43 << false;
        QTest::newRow("stored Value is ignored") << "MaxValue = 127  Value = 5" << 64 << false;
        QTest::newRow("vertical is reversed") << "DisplayType = 1  MaxValue = 41" << 21 << true;
        QTest::newRow("reversed by choice") << "ChangeMinMax = True  MaxValue = 80" << 40 << true;
    }
    void storedSlidersStartCentred()
    {
        QFETCH(QString, properties);
        QFETCH(int, value);
        QFETCH(bool, changeMinMax);
        Fixture f;
        FormError error;
        const auto form = f.load(QStringLiteral("Begin ZEV_Studio.ScrollBar s\n"
                                                " Left = 0  Top = 0  Width = 4230  Height = 720\n"
                                                " %1\nEnd\n")
                                     .arg(properties),
                                 error);
        QVERIFY2(form, qPrintable(error.toString()));
        auto* slider = form->find<SkinnedSlider>(QStringLiteral("s"));
        QCOMPARE(slider->value(), value);
        QCOMPARE(slider->changeMinMax(), changeMinMax);
        QCOMPARE(slider->designWidth(), 282 * TwipsPerPixel);
    }

    void refusesWhatWouldBreakAControl_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("fragment");
        const QString slider = QStringLiteral("Begin ZEV_Studio.ScrollBar bad\n"
                                              " Left = 0  Top = 0  Width = 100  Height = 100\n");
        QTest::newRow("MaxValue 0") << slider + " MaxValue = 0\nEnd\n" << 3 << "MaxValue = 0";
        QTest::newRow("MaxPos equal to MinPos") << slider + " MinPos = 30\n MaxPos = 30\nEnd\n"
                                                << 4 << "MaxPos must differ";
        QTest::newRow("track picture beyond 600") << slider + " BackPic = 601\nEnd\n"
                                                  << 3 << "outside 101 to 600";
        QTest::newRow("thumb picture below 101") << slider + " BarPic = 100\nEnd\n"
                                                 << 3 << "outside 101 to 600";
        QTest::newRow("misspelt key") << slider + " MaxValu = 10\nEnd\n" << 3 << "no property";
        const QString button = QStringLiteral("Begin ZEV_Studio.SimpControl bad\n"
                                              " Left = 0  Top = 0  Width = 100  Height = 100\n");
        QTest::newRow("picture list beyond 600") << button + " Pics = \"102,700\"\nEnd\n"
                                                 << 3 << "outside 101 to 600";
        QTest::newRow("no pictures") << button + " Pics = \"\"\nEnd\n" << 3 << "Pics must list";
        QTest::newRow("too few offsets")
            << button + " Pics = \"101,110\"\n PosX = \"0\"  PosY = \"0,4\"\nEnd\n"
            << 4 << "PosX";
        QTest::newRow("value beyond a byte") << button + " Value = 256\nEnd\n" << 3 << "Value";
        QTest::newRow("not a boolean") << button + " Enabled = maybe\nEnd\n"
                                       << 3 << "True or False";
        QTest::newRow("digit background")
            << "Begin ZEV_Studio.ShowNumber bad\n Left = 0  Top = 0  Width = 100  Height = 100\n"
               " BackPic = 50\nEnd\n"
            << 3 << "BackPic";
        QTest::newRow("unknown class") << "Begin VB.Shape bad\nEnd\n" << 1 << "unknown class";
        QTest::newRow("name used twice") << "Begin Timer fraMaster\nEnd\n" << 1 << "twice";
        QTest::newRow("timer with a place")
            << "Begin Timer bad\n Left = 0  Top = 0  Width = 1  Height = 1\nEnd\n"
            << 2 << "timer";
        QTest::newRow("control without a place") << "Begin Label bad\n Caption = \"x\"\nEnd\n"
                                                 << 1 << "missing";
        QTest::newRow("label holding a control")
            << "Begin Label bad\n Left = 0  Top = 0  Width = 1  Height = 1\n Begin Timer t\n End\n"
               "End\n"
            << 3 << "only a Frame";
        QTest::newRow("malformed line") << "Begin Label bad\n Caption \"x\"\nEnd\n" << 2 << "\"=\"";
    }
    void refusesWhatWouldBreakAControl()
    {
        QFETCH(QString, node);
        QFETCH(int, line);
        QFETCH(QString, fragment);
        Fixture f;
        auto* existing = new QWidget(&f.window);
        // Everything before the faulty control is built first, and must go again.
        const int designLines = int(Design.count(u'\n'));
        FormError error;
        QVERIFY(!f.load(Design + node, error));
        QCOMPARE(error.file, QStringLiteral("main.frm"));
        QCOMPARE(error.line, designLines + line);
        QVERIFY2(error.message.contains(fragment), qPrintable(error.toString()));
        QCOMPARE(f.window.findChildren<QWidget*>(), QList<QWidget*>{existing});
        QCOMPARE(f.window.findChildren<QTimer*>(), QList<QTimer*>{});
    }

    void writesBackWhatItRead()
    {
        Fixture f;
        FormError error;
        const auto form = f.load(Design, error);
        QVERIFY(form);
        const FormDescription written =
            describeForm(*form, *f.design, QStringLiteral("written.frm"));
        QCOMPARE(keys(written.nodes[0].children[0]),
                 (QStringList{"ChangeMinMax", "MaxValue", "MinPos", "MaxPos", "Value", "Enabled",
                              "StableOtherPos", "ValueOffset", "BackPic", "BarPic", "DisplayType",
                              "TagNew", "isQ"}));
        QCOMPARE(keys(written.nodes[1]),
                 (QStringList{"PosX", "PosY", "Pics", "ValueIndex", "Value", "ActionType",
                              "Enabled", "BackColor", "TagNew"}));
        QCOMPARE(keys(written.nodes[2]), (QStringList{"PicNumber", "PicDig", "Value", "BackColor",
                                                      "Div10", "BackPic", "TagNew"}));
        QCOMPARE(keys(written.nodes[3]), QStringList{"Visible"});

        const QString text = formText(written);
        Fixture other;
        const auto again = other.load(text, error);
        QVERIFY2(again, qPrintable(error.toString() + u'\n' + text));
        QCOMPARE(formText(describeForm(*again, *other.design)), text);
        QCOMPARE(other.builtWidgets(), f.builtWidgets());
    }

    void theOwnerMayBuildAClassItself()
    {
        Fixture f;
        f.loader.registerFactory(QStringLiteral("PictureBox"),
                                 [](QWidget* parent, FormPropertyReader& properties) -> QWidget* {
                                     auto* graph = new QLabel(parent);
                                     graph->setText(properties.node().name);
                                     properties.integer(u"BackColor", 0, 0, 0xFFFFFF);
                                     return graph;
                                 });
        FormError error;
        const auto form = f.load(Design, error);
        QVERIFY2(form, qPrintable(error.toString()));
        auto* graph = form->find<QLabel>(QStringLiteral("Picture1"));
        QVERIFY(graph);
        QCOMPARE(graph->text(), QStringLiteral("Picture1"));
        QCOMPARE(graph->geometry(), QRect(0, 533, 200, 100));
    }

    void propertiesAnswerToTheirStoredNames_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("image button")
            << "ZEV_Studio.SimpControl"
            << QStringList{"Value",   "TagNew",     "PosX",       "PosY",      "Pics",
                           "Enabled", "ValueIndex", "ActionType", "BackColor", "UserHightCutPic"};
        QTest::newRow("slider") << "ZEV_Studio.ScrollBar"
                                << QStringList{"Value",    "TagNew",         "isQ",
                                               "Enabled",  "ChangeMinMax",   "DisplayType",
                                               "MaxValue", "ValueOffset",    "MinPos",
                                               "MaxPos",   "StableOtherPos", "BackPic",
                                               "BarPic"};
        QTest::newRow("digit display")
            << "ZEV_Studio.ShowNumber" << QStringList{"Value",   "TagNew",    "Div10", "BackColor",
                                                      "BackPic", "PicNumber", "PicDig"};
        QTest::newRow("progress bar")
            << "ZEV_Studio.C_ProgressBar" << QStringList{"Value", "MaxValue"};
    }
    void propertiesAnswerToTheirStoredNames()
    {
        QFETCH(QString, className);
        QFETCH(QStringList, names);
        Fixture f;
        FormError error;
        const auto form = f.load(
            QStringLiteral("Begin %1 c\n Left = 0  Top = 0  Width = 600  Height = 600\nEnd\n")
                .arg(className),
            error);
        QVERIFY2(form, qPrintable(error.toString()));
        QObject* control = form->object(QStringLiteral("c"));
        for (const QString& name : names) {
            QVERIFY2(control->metaObject()->indexOfProperty(qPrintable(name)) >= 0,
                     qPrintable(name));
        }
        if (names.contains(u"Enabled")) {
            // The control's own Enabled is not the widget's: disabling the window is separate.
            QVERIFY(control->setProperty("Enabled", false));
            QVERIFY(!control->property("Enabled").toBool());
            QVERIFY(qobject_cast<QWidget*>(control)->isEnabled());
        }
    }

    void aMissingFileIsReported()
    {
        Fixture f;
        QTemporaryDir dir;
        FormError error;
        QVERIFY(!f.loader.loadFile(dir.filePath(QStringLiteral("none.frm")), &f.window, error));
        QVERIFY2(error.toString().contains(u"none.frm: cannot read"), qPrintable(error.toString()));
    }
};

QTEST_MAIN(tst_FormLoader)
#include "tst_FormLoader.moc"
