#include "EqGraphView.h"
#include "Form.h"
#include "MainWindowHarness.h"

#include <QTimer>

// One step of a band drag on the main window, from the mouse move to the repainted window: the
// band snapped and stored, knobs and read-outs set, the graph redrawn and everything that
// changed painted. Offline, so no frame goes out.
class bench_EqGraphDrag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dragStep_data()
    {
        QTest::addColumn<bool>("throughTimer");
        // The work alone: the redraw timer's tick run at once.
        QTest::newRow("move, tick, paint") << false;
        // As the user sees it: the 1 ms redraw timer between the move and the redraw.
        QTest::newRow("move, redraw timer, paint") << true;
    }

    void dragStep()
    {
        QFETCH(bool, throughTimer);
        MainWindowHarness h;
        QVERIFY2(h.loaded, qPrintable(h.loadError));
        auto* graph = qobject_cast<EqGraphView*>(h.c().Picture1);
        QTimer* drawWave = h.window.form().timer(QStringLiteral("tmrDrawWave"));
        const GraphGeometry& g = graph->geometry();
        // Band 3 of the music group (1 kHz), dragged back and forth between two places.
        QPoint at(qRound(g.FreqToX(1000)), g.Centre());
        QTest::mousePress(graph, Qt::LeftButton, {}, at);
        const QPoint places[] = {QPoint(at.x() + 40, g.Centre() - 60),
                                 QPoint(at.x() - 40, g.Centre() + 60)};
        int step = 0;
        QBENCHMARK
        {
            const int redraws = graph->redrawCount();
            QTest::mouseMove(graph, places[++step % 2]);
            if (throughTimer) {
                while (graph->redrawCount() == redraws) {
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                }
            } else {
                drawWave->stop();
                graph->drawWaveTick();
                QCoreApplication::processEvents();
            }
        }
        QTest::mouseRelease(graph, Qt::LeftButton, {}, places[step % 2]);
        QVERIFY(graph->redrawCount() > 0);
    }
};

QTEST_MAIN(bench_EqGraphDrag)
#include "bench_EqGraphDrag.moc"
