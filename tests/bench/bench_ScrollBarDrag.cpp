#include "SkinnedSlider.h"
#include "TestSkin.h"

#include <QTest>

// The cost of one repaint of a large fader while it is dragged: the pointer moves one step, the
// slider draws its picture again and copies it to the screen.
class bench_ScrollBarDrag : public QObject
{
    Q_OBJECT

private slots:
    void repaintWhileDragging_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }
    void repaintWhileDragging()
    {
        QFETCH(double, scale);
        SkinImages skin;
        skin.InitSkin();
        skin.setWindowActivated(true);
        QWidget window;
        window.resize(200, 700);
        auto* fader = new SkinnedSlider(skin, &window);
        fader->setBackPic(220);
        fader->setBarPic(175);
        fader->setDisplayType(SkinnedSlider::Vertical);
        fader->setChangeMinMax(true);
        fader->setMaxValue(80);
        fader->setMinPos(24);
        fader->setMaxPos(280);
        fader->setStableOtherPos(4);
        fader->setValue(80);
        fader->setTwipsGeometry(QRectF(0, 0, 38 * 15 * scale, 297 * 15 * scale));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mousePress(fader, Qt::LeftButton, {}, QPoint(int(18 * scale), int(24 * scale)));
        QVERIFY(fader->isDragging());
        const int top = int(24 * scale);
        const int travel = int((280 - 24) * scale);
        int step = 0;
        const int rendersBefore = fader->renderCount();
        int repaints = 0;
        QBENCHMARK
        {
            QTest::mouseMove(fader, QPoint(int(18 * scale), top + (step * 7) % travel));
            fader->repaint();
            ++step;
            ++repaints;
        }
        QTest::mouseRelease(fader, Qt::LeftButton, {}, QPoint(18, top));
        QVERIFY2(fader->renderCount() - rendersBefore >= repaints / 2,
                 "each move must draw the picture again");
    }
};

QTEST_MAIN(bench_ScrollBarDrag)
#include "bench_ScrollBarDrag.moc"
