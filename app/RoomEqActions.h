#pragma once

#include "CookbookFilter.h"
#include "GraphOverlay.h"
#include "MeasuredResponse.h"

#include <QCoro/QCoroTask>
#include <QMenu>
#include <QObject>
#include <QTimer>
#include <optional>

class EqGraphView;
class FileChooser;
struct MainWindowContext;
struct Wish;

// Room EQ on the graph, from its context menu: a filter file imported into the current group or
// the group exported as one, a measured room (and a target curve) drawn under the EQ curve with
// the room as the EQ will make it, following every edit, and the group fitted to correct it.
// An import or a fit is one undo step and goes to the processor as a group reset does; its
// deviation from what was wished is shown over the graph for a few seconds.
class RoomEqActions : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultMessageMs = 6000;

    RoomEqActions(MainWindowContext& context, EqGraphView& graph, FileChooser& files,
                  int messageMs = DefaultMessageMs);

    void attach();

    // Each completes once its file dialog has been answered and the file read or written.
    QCoro::Task<> importFilterFile();
    QCoro::Task<> exportFilterFile();
    QCoro::Task<> loadMeasurement();
    QCoro::Task<> loadTarget();
    void fitToMeasurement();
    void clearMeasurement();

    QMenu& menu() { return m_menu; }
    const GraphOverlay& overlay() const { return m_overlay; }

private:
    void showMenu(QPoint globalPosition);
    QCoro::Task<> loadCurve(std::optional<MeasuredResponse>& keep, OverlayCurve& drawn);
    // Reads a measurement or target curve, levelled; nothing (said why) when it does not read.
    std::optional<OverlayCurve> readCurve(const QString& path,
                                          std::optional<MeasuredResponse>& into);
    void applyFit(const Wish& wish, const FilterList& seed);
    void showResult(const QString& text);
    void refused(const QString& what, const QString& path, const QString& reason);

    MainWindowContext& m_context;
    EqGraphView& m_graph;
    FileChooser& m_files;
    QMenu m_menu;
    QAction* m_fit = nullptr;
    QAction* m_clear = nullptr;
    GraphOverlay m_overlay;
    std::optional<MeasuredResponse> m_measured;
    std::optional<MeasuredResponse> m_target;
    QTimer m_messageTimer;
};
