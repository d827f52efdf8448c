#include "FirstExposeHold.h"

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace std::chrono_literals;

namespace {

class CountingWindow : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

} // namespace

class tst_FirstExposeHold : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paintsOnceWhenReleasedOrAtTheLatest_data()
    {
        QTest::addColumn<bool>("releasedBeforeExposure");
        QTest::addColumn<bool>("releasedAfterExposure");
        QTest::newRow("activated after its exposure") << false << true;
        QTest::newRow("activated before its exposure") << true << false;
        QTest::newRow("never activated: the longest hold ends") << false << false;
    }

    void paintsOnceWhenReleasedOrAtTheLatest()
    {
        QFETCH(bool, releasedBeforeExposure);
        QFETCH(bool, releasedAfterExposure);
        CountingWindow window;
        window.winId();
        const QPointer hold = new FirstExposeHold(*window.windowHandle(), 100ms);
        if (releasedBeforeExposure) {
            hold->release();
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(window.paints, releasedBeforeExposure ? 1 : 0);
        if (releasedAfterExposure) {
            hold->release();
            QCOMPARE(window.paints, 1);
        }
        QTRY_COMPARE(window.paints, 1);
        QTRY_VERIFY(hold.isNull());
    }
};

QTEST_MAIN(tst_FirstExposeHold)
#include "tst_FirstExposeHold.moc"
