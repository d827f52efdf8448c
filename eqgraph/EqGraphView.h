#pragma once

#include "EqGraphRenderer.h"
#include "GraphGestures.h"
#include "WheelNotches.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <chrono>

class BandSender;
class QHelpEvent;
class BandTable;
class ParamModel;
class SkinImages;

// The equaliser graph's picture box: the response curves of the current group over a grid, a
// marker for every band, the selected band's readout and, while the group is bypassed, a banner.
// It paints by copying its work picture, rebuilt from the grid picture whenever a redraw was
// asked for since (several requests merge into one), so it is never shown half drawn. The grid
// is rebuilt when the size or the screen's density changes. The work picture is only kept while
// the graph changes: a moment after the last paint it is given back, and the next paint draws it
// again from the grid.
//
// It reports what the user does on it in its own logical pixels and leaves the editing to the
// window: presses (and whether the press only gave it the keyboard focus), moves with a button
// held (and whether Shift is held), releases and double clicks, the arrow keys, whole wheel
// notches turned with nothing held and, with Alt held, where they were turned. It takes the focus
// by a click or Tab and shows it with a frame; hovering a marker tells that band's values.
class EqGraphView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int NoBand = 255;
    // How long the work picture outlives the last paint: longer than the pauses of a drag.
    static constexpr std::chrono::milliseconds WorkPictureKept{500};

    explicit EqGraphView(SkinImages& skin, QWidget* parent = nullptr);

    // What the graph shows (the model's current group and mode, the window's band table) and
    // who sends a band a drag changed. Until then it shows the grid alone.
    void attach(ParamModel& model, const BandTable& bands, BandSender& sender);

    const GraphGeometry& geometry() const { return m_renderer.geometry(); }

    // What is drawn besides the bands (kept by the caller; nullptr for nothing). Redraws.
    void setOverlay(const GraphOverlay* overlay);

    // Asks for a redraw of the curves, markers and readout; requests merge until the paint.
    void DrawCurves();
    // Sends the band a drag left unsent (bandPending asks for this to be called soon).
    void sendPendingBand();

    // The band record whose bytes a drag changed and that still has to be sent; NoBand if none.
    int PendingSendBand() const { return m_pendingSendBand; }
    void setPendingSendBand(int band);

    // What the next redraw shows.
    EqGraphRenderer::Scene scene() const;

    // The picture as the next paint shows it, brought up to date first.
    const QImage& workPicture();
    int gridBuildCount() const { return m_gridBuilds; }
    // Redraws asked for and done; drawing a given-back work picture again is none.
    int redrawCount() const { return m_redraws; }
    bool holdsWorkPicture() const { return !m_work.isNull(); }
    void setWorkPictureKept(std::chrono::milliseconds kept) { m_dropWork.setInterval(kept); }

signals:
    // tookFocus: the graph did not have the keyboard focus before this press; fine: Shift held.
    void pressed(QPointF point, bool tookFocus, bool fine);
    void moved(QPointF point, bool fine);
    void released();
    void doubleClicked();
    void arrowKeyPressed(GraphGestures::ArrowKey key);
    // Notches positive away from the user, negative towards.
    void wheelTurned(int notches);
    void altWheelTurned(QPointF point, int notches);
    // A drag step left a band to send: sendPendingBand should run once the events waiting have.
    void bandPending();
    // The context menu was asked for (the right button, the menu key), at a global position.
    void contextMenuRequested(QPoint globalPosition);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void InitGraph();
    // The geometry follows the widget's width at once, so that events map to the present size.
    void followWidth();
    bool bypassed() const;
    void dropWorkPicture();
    void showMarkerTip(const QHelpEvent& help);

    SkinImages& m_skin;
    EqGraphRenderer m_renderer;
    ParamModel* m_model = nullptr;
    const BandTable* m_bands = nullptr;
    BandSender* m_sender = nullptr;
    const GraphOverlay* m_overlay = nullptr;
    QImage m_grid;
    QImage m_work;
    QTimer m_dropWork;
    bool m_gridValid = false;
    bool m_workValid = false;
    int m_pendingSendBand = NoBand;
    int m_gridBuilds = 0;
    int m_redraws = 0;
    WheelNotches m_wheel;
    WheelNotches m_altWheel;
    // The focus came with the press being delivered: that press only focuses.
    bool m_focusFromPress = false;
};
