#include "RoomEqActions.h"

#include "EditSender.h"
#include "EqGraphView.h"
#include "FileChooser.h"
#include "FilterText.h"
#include "GridFit.h"
#include "GroupBands.h"
#include "MainWindowContext.h"
#include "MeasurementText.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "RegularFile.h"
#include "RoomCorrection.h"
#include "UndoHistory.h"
#include "UserMessages.h"
#include "Wish.h"

#include <QDir>

RoomEqActions::RoomEqActions(MainWindowContext& context, EqGraphView& graph, FileChooser& files,
                             int messageMs)
    : m_context(context)
    , m_graph(graph)
    , m_files(files)
    , m_menu(&graph)
{
    m_messageTimer.setSingleShot(true);
    m_messageTimer.setInterval(messageMs);
    m_menu.addAction(tr("Import filter file…"), this, &RoomEqActions::importFilterFile);
    m_menu.addAction(tr("Export filter file…"), this, &RoomEqActions::exportFilterFile);
    m_menu.addSeparator();
    m_menu.addAction(tr("Load measurement…"), this, &RoomEqActions::loadMeasurement);
    m_menu.addAction(tr("Load target curve…"), this, &RoomEqActions::loadTarget);
    m_fit = m_menu.addAction(tr("Fit to measurement"), this, &RoomEqActions::fitToMeasurement);
    m_clear = m_menu.addAction(tr("Clear measurement"), this, &RoomEqActions::clearMeasurement);
}

void RoomEqActions::attach()
{
    connect(&m_graph, &EqGraphView::contextMenuRequested, this, &RoomEqActions::showMenu);
    connect(&m_messageTimer, &QTimer::timeout, this, [this] {
        m_overlay.message.clear();
        m_graph.DrawCurves();
    });
    m_graph.setOverlay(&m_overlay);
}

void RoomEqActions::showMenu(QPoint globalPosition)
{
    m_fit->setEnabled(m_measured.has_value());
    m_clear->setEnabled(m_measured.has_value() || m_target.has_value());
    m_menu.popup(globalPosition);
}

QCoro::Task<> RoomEqActions::importFilterFile()
{
    const QString path = co_await m_files.browseFilterFile();
    if (path.isEmpty()) {
        co_return;
    }
    const FilterText::Result read = FilterText::readFile(path);
    if (!read.file) {
        refused(tr("The filter file was not imported."), path, read.error);
        co_return;
    }
    applyFit(Wish::ofFilters(read.file->filters), read.file->filters);
}

QCoro::Task<> RoomEqActions::exportFilterFile()
{
    const QString path = co_await m_files.chooseFilterSaveFile();
    if (path.isEmpty()) {
        co_return;
    }
    const ParamModel& model = m_context.model;
    const GroupBands bands =
        GroupBands::read(model.store(), model.currentMode(), model.currentEqGroup());
    const QString error = RegularFile::write(
        path, FilterText::write(bands.filters(), bands.title(model.currentMode())).toUtf8());
    if (!error.isEmpty()) {
        refused(tr("The filter file was not written."), path, error);
    }
}

std::optional<OverlayCurve> RoomEqActions::readCurve(const QString& path,
                                                     std::optional<MeasuredResponse>& into)
{
    const MeasurementText::Result read = MeasurementText::readFile(path);
    std::optional<OverlayCurve> curve =
        read.response ? RoomCorrection::levelled(*read.response) : std::nullopt;
    if (!curve) {
        refused(tr("The curve was not loaded."), path,
                read.response ? tr("it has no point between 200 Hz and 2 kHz") : read.error);
        return std::nullopt;
    }
    into = read.response;
    return curve;
}

QCoro::Task<> RoomEqActions::loadMeasurement()
{
    co_await loadCurve(m_measured, m_overlay.measured);
}

QCoro::Task<> RoomEqActions::loadTarget()
{
    co_await loadCurve(m_target, m_overlay.target);
}

QCoro::Task<> RoomEqActions::loadCurve(std::optional<MeasuredResponse>& keep, OverlayCurve& drawn)
{
    const QString path = co_await m_files.browseMeasurementFile();
    if (path.isEmpty()) {
        co_return;
    }
    if (const auto curve = readCurve(path, keep)) {
        drawn = *curve;
        m_graph.DrawCurves();
    }
}

void RoomEqActions::fitToMeasurement()
{
    if (!m_measured) {
        return;
    }
    const RoomCorrection::Result correction =
        RoomCorrection::wish(*m_measured, m_target ? &*m_target : nullptr);
    if (correction.wish) {
        applyFit(*correction.wish, {});
    }
}

void RoomEqActions::clearMeasurement()
{
    m_measured.reset();
    m_target.reset();
    m_overlay.measured = {};
    m_overlay.target = {};
    m_graph.DrawCurves();
}

void RoomEqActions::applyFit(const Wish& wish, const FilterList& seed)
{
    ParamModel& model = m_context.model;
    const int mode = model.currentMode();
    const GroupBands before = GroupBands::read(model.store(), mode, model.currentEqGroup());
    const GridFit::Result fitted = GridFit::fit(wish, before, seed);
    showResult(fitted.deviation.text());
    const QList<int> changed = fitted.bands.changedAddresses(before);
    if (changed.isEmpty()) {
        return;
    }
    // One undo step, sent as a group reset is.
    m_context.undo.SaveUndo();
    ParamStore written = model.store();
    fitted.bands.writeChanges(written, mode, before);
    model.setStore(written);
    m_context.sender.sendAddresses(mode, changed);
}

void RoomEqActions::showResult(const QString& text)
{
    m_overlay.message = text;
    m_messageTimer.start();
    m_graph.DrawCurves();
}

void RoomEqActions::refused(const QString& what, const QString& path, const QString& reason)
{
    m_context.messages.showMessage(
        UserMessages::Icon::Exclamation,
        QStringLiteral("%1\n\"%2\": %3").arg(what, QDir::toNativeSeparators(path), reason));
}
