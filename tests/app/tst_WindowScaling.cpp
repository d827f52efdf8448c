#include "C_ProgressBar.h"
#include "Form.h"
#include "MainWindowHarness.h"
#include "SimpControl.h"
#include "Twips.h"
#include "WindowGeometry.h"
#include "WindowLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QScreen>

namespace {

// Every control but the group marker, which follows the selected tab rather than its design
// place, and the progress bar, which keeps itself at least 25 pixels high.
QList<QWidget*> scaledControls(MainWindowHarness& h)
{
    QList<QWidget*> controls;
    for (const Form::Entry& entry : h.form().entries()) {
        auto* widget = qobject_cast<QWidget*>(entry.object.data());
        if (widget && widget != h.c().groupMarker && widget != h.c().transferProgress) {
            controls.append(widget);
        }
    }
    return controls;
}

} // namespace

class tst_WindowScaling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensAtTheSizeForTheScreen()
    {
        MainWindowHarness h;
        // The harness has moved the window to its design size since; start-up chose this:
        const QScreen* screen = h.window.screen();
        const QSizeF expected =
            WindowGeometry::initialSize(screen->size(), screen->availableGeometry().size());
        frmEQ second(h.model, h.skin, h.link, h.messages, h.files);
        QString error;
        QVERIFY2(second.load(error), qPrintable(error));
        QCOMPARE(second.size(), QSize(qRound(expected.width()), qRound(expected.height())));
    }

    void controlsScaleWithTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("half width, full height") << QSize(791, 900);
        QTest::newRow("1366 x 768 screen") << QSize(1266, 720);
        QTest::newRow("1280 x 1024 screen") << QSize(1584, 901);
        QTest::newRow("small") << QSize(400, 228);
    }

    void controlsScaleWithTheWindow()
    {
        QFETCH(QSize, size);
        MainWindowHarness h;
        const double sx = size.width() / 1582.0;
        const double sy = size.height() / 900.0;
        h.window.resize(size);
        for (QWidget* control : scaledControls(h)) {
            const QRectF design = h.layout().designGeometry(control);
            const QRectF now = WindowLayout::twipsGeometry(control);
            // Plain widgets sit on whole pixels: one pixel of slack.
            const double slack = TwipsPerPixel;
            QVERIFY2(qAbs(now.x() - design.x() * sx) <= slack &&
                         qAbs(now.y() - design.y() * sy) <= slack &&
                         qAbs(now.width() - design.width() * sx) <= slack &&
                         qAbs(now.height() - design.height() * sy) <= slack,
                     control->metaObject()->className());
        }
        // The outline follows the window, with rounded corners.
        QCOMPARE(h.window.mask().boundingRect(), h.window.rect());
        QVERIFY(!h.window.mask().contains(QPoint(0, 0)));
        QVERIFY(h.window.mask().contains(h.window.rect().center()));
    }

    // The captions scale with the window and are never cut off, also where the desktop's font
    // is larger than the design's.
    void captionsScaleWithTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("desktopPointSize"); // 0: as the test's desktop has it
        QTest::newRow("1366 x 768 screen") << QSize(1266, 720) << 0.0;
        QTest::newRow("half") << QSize(791, 450) << 0.0;
        QTest::newRow("stretched wide") << QSize(1582, 600) << 0.0;
        QTest::newRow("half, a large desktop font") << QSize(791, 450) << 14.0;
    }

    void captionsScaleWithTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(double, desktopPointSize);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(desktopPointSize > 0 ? desktopPointSize : desktop.pointSizeF());
        QApplication::setFont(font);
        MainWindowHarness h;
        QApplication::setFont(desktop);
        QCheckBox* check = h.c().redrawMeterCheck;
        const double designPointSize = check->font().pointSizeF();
        h.window.resize(size);
        if (desktopPointSize == 0) {
            QCOMPARE(check->font().pointSizeF(), designPointSize * size.height() / 900.0);
        }
        QVERIFY(QFontMetrics(check->font()).horizontalAdvance(check->text()) < check->width());
        QVERIFY(QFontMetricsF(check->font()).height() <= check->height());
    }

    void backToTheDesignSizeRestoresEveryPlace()
    {
        MainWindowHarness h;
        h.window.resize(700, 500);
        h.window.resize(1582, 900);
        for (QWidget* control : scaledControls(h)) {
            QCOMPARE(WindowLayout::twipsGeometry(control), h.layout().designGeometry(control));
        }
    }

    void groupMarkerStaysUnderTheSelectedTab_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QSize>("size");
        for (int group = 0; group < MainWindowControls::GroupTabCount; ++group) {
            QTest::addRow("group %d, design size", group) << group << QSize(1582, 900);
            QTest::addRow("group %d, half size", group) << group << QSize(791, 450);
        }
    }

    void groupMarkerStaysUnderTheSelectedTab()
    {
        QFETCH(int, group);
        QFETCH(QSize, size);
        MainWindowHarness h;
        h.window.resize(size);
        MainWindowHarness::click(h.c().groupTabs[group]);
        for (const QSize now : {size, QSize(1266, 720), size}) {
            h.window.resize(now);
            const QRectF tab = WindowLayout::twipsGeometry(h.c().groupTabs[group]);
            const QRectF marker = WindowLayout::twipsGeometry(h.c().groupMarker);
            QVERIFY(qAbs(marker.center().x() - tab.center().x()) <= TwipsPerPixel);
            QVERIFY(marker.top() >= tab.bottom() - TwipsPerPixel);
        }
    }

    void gripResizesKeepingTheAspect_data()
    {
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("height");
        // This test runs on a 1920 x 1080 screen (see the CTest settings).
        QTest::newRow("down") << 90 << 990;
        QTest::newRow("up") << -180 << 720;
        QTest::newRow("down past the screen") << 400 << 1080;
        QTest::newRow("up hard stops at half the design size") << -900 << 450;
    }

    void gripResizesKeepingTheAspect()
    {
        QFETCH(int, dy);
        QFETCH(int, height);
        MainWindowHarness h;
        QCOMPARE(h.window.screen()->availableGeometry().size(), QSize(1920, 1080));
        QLabel* grip = h.c().resizeGrip;
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(2, 2));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, dy), grip->mapToGlobal(QPointF(2, dy)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grip, &move);
        QTest::mouseRelease(grip, Qt::LeftButton);
        QCOMPARE(h.window.height(), height);
        QCOMPARE(h.window.width(), qRound(height * 1582 / 900.0));
        // The rounded outline leaves the grip and the close button whole (but for the corner
        // pixel of their own rounded art).
        for (QWidget* control :
             {static_cast<QWidget*>(grip), static_cast<QWidget*>(h.c().closeButton)}) {
            const QRect place = control->geometry().adjusted(1, 1, -1, -1);
            for (const QPoint corner :
                 {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()}) {
                QVERIFY(h.window.mask().contains(corner));
            }
        }
    }
};

QTEST_MAIN(tst_WindowScaling)
#include "tst_WindowScaling.moc"
