#include "EqGraphView.h"
#include "MainWindowHarness.h"

// One step of a band drag on the main window, from the mouse move to the repainted window: the
// band snapped and stored, knobs and read-outs set, the graph redrawn and everything that
// changed painted. Offline, so no frame goes out.
class bench_EqGraphDrag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dragStep_data()
    {
        QTest::addColumn<bool>("throughEventLoop");
        // The work alone: the graph painted at once.
        QTest::newRow("move, paint at once") << false;
        // As the user sees it: the paint the move asked for, when the event loop comes to it.
        QTest::newRow("move, event loop, paint") << true;
    }

    void dragStep()
    {
        QFETCH(bool, throughEventLoop);
        MainWindowHarness h;
        QVERIFY2(h.loaded, qPrintable(h.loadError));
        auto* graph = qobject_cast<EqGraphView*>(h.c().graph);
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
            if (throughEventLoop) {
                while (graph->redrawCount() == redraws) {
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                }
            } else {
                graph->repaint();
                QCoreApplication::processEvents();
            }
        }
        QTest::mouseRelease(graph, Qt::LeftButton, {}, places[step % 2]);
        QVERIFY(graph->redrawCount() > 0);
    }
};

QTEST_MAIN(bench_EqGraphDrag)
#include "bench_EqGraphDrag.moc"
