#pragma once

#include <QObject>
#include <QTimer>

class EqGraphView;
class QCheckBox;

// The redraw-rate test: while its box Check2 is ticked the graph is redrawn over and over,
// whenever no other event waits, and every tick of Timer1 (a second) writes the redraws counted
// since into the box's caption. It ends when the box is cleared or the window starts to close,
// and the caption then reads as before.
class RedrawRateMeter : public QObject
{
public:
    RedrawRateMeter(QCheckBox& box, QTimer& secondTimer, EqGraphView& graph);

    void attach();

    bool isRunning() const { return m_loop.isActive(); }
    void stop();

private:
    void clicked(bool ticked);
    void redraw();
    void showRate();

    QCheckBox& m_box;
    QTimer& m_secondTimer; // Timer1
    EqGraphView& m_graph;
    QTimer m_loop; // runs the next redraw as soon as the event queue is empty
    QString m_caption;
    int m_redraws = 0;
};
