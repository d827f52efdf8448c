#include "SimpControl.h"
#include "SkinImages.h"
#include "SkinnedSlider.h"

#include <QTest>

// The committed skin, not the test pictures: every state a control can be in must look different
// from the others, or the user cannot tell a lit button or a lit track from an unlit one.
class tst_RealSkinStates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_skin.InitSkin();
        m_skin.setWindowActivated(true);
    }

    void buttonStatesLookDifferent_data()
    {
        QTest::addColumn<QString>("pics");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("highCut");
        QTest::addColumn<int>("otherValue");
        QTest::addColumn<bool>("otherHighCut");
        QTest::newRow("close, pressed") << "102" << 0 << false << 1 << false;
        QTest::newRow("EQ bypass, lit") << "140" << 0 << false << 1 << false;
        QTest::newRow("group tab, selected") << "118" << 0 << false << 1 << false;
        QTest::newRow("input 1 and 7") << "158" << 0 << false << 6 << false;
        QTest::newRow("mode 1 and 3") << "210" << 0 << false << 2 << false;
        QTest::newRow("band marker, high cut") << "363" << 1 << false << 1 << true;
    }

    void buttonStatesLookDifferent()
    {
        QFETCH(QString, pics);
        QFETCH(int, value);
        QFETCH(bool, highCut);
        QFETCH(int, otherValue);
        QFETCH(bool, otherHighCut);
        SimpControl button(m_skin);
        button.setPics(pics);
        button.setValue(value);
        button.setUserHightCutPic(highCut);
        const QImage one = button.grab().toImage();
        button.setValue(otherValue);
        button.setUserHightCutPic(otherHighCut);
        QVERIFY(button.grab().toImage() != one);
    }

    // Between the thumb's two places, only the lit part of the track can tell them apart.
    void litTrackLooksDifferent_data()
    {
        QTest::addColumn<int>("track");
        QTest::addColumn<int>("displayType");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("minPos");
        QTest::addColumn<int>("maxPos");
        QTest::addColumn<QRect>("between");
        // Thumbs 30 high at rows 9..39 and 265..295.
        QTest::newRow("large fader")
            << 220 << int(SkinnedSlider::Vertical) << 80 << 24 << 280 << QRect(0, 60, 38, 180);
        // Thumbs 29 wide at columns 6..34 and 195..223.
        QTest::newRow("echo slider")
            << 298 << int(SkinnedSlider::Horizontal) << 127 << 20 << 209 << QRect(50, 0, 130, 34);
        // Thumbs 29 wide at columns 42..70 and 242..270.
        QTest::newRow("frequency knob")
            << 245 << int(SkinnedSlider::Horizontal) << 241 << 56 << 256 << QRect(90, 0, 130, 48);
    }

    void litTrackLooksDifferent()
    {
        QFETCH(int, track);
        QFETCH(int, displayType);
        QFETCH(int, maxValue);
        QFETCH(int, minPos);
        QFETCH(int, maxPos);
        QFETCH(QRect, between);
        SkinnedSlider slider(m_skin);
        slider.setBackPic(track);
        slider.setBarPic(175);
        slider.setDisplayType(displayType);
        slider.setMaxValue(maxValue);
        slider.setMinPos(minPos);
        slider.setMaxPos(maxPos);
        slider.setValue(0);
        const QImage atStart = slider.grab().toImage().copy(between);
        slider.setValue(maxValue);
        QVERIFY(slider.grab().toImage().copy(between) != atStart);
    }

private:
    SkinImages m_skin;
};

QTEST_MAIN(tst_RealSkinStates)
#include "tst_RealSkinStates.moc"
