#include "NumericBandEntry.h"

#include "BandEditor.h"
#include "BandTable.h"
#include "BandValueEntry.h"
#include "EditSender.h"
#include "Frames.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "UndoHistory.h"
#include "UserMessages.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace {

// Where the box opens, from the read-out's top left, in design twips.
constexpr QPointF BoxOffset(100, 90);

} // namespace

NumericBandEntry::NumericBandEntry(BandTable& bands, ParamModel& model, UndoHistory& undo,
                                   ControlsRefresh refresh, EditSender& sender,
                                   UserMessages& messages, const BandEditor& editor,
                                   const WindowLayout& layout, const QWidget& window,
                                   Controls controls)
    : m_bands(bands)
    , m_model(model)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_sender(sender)
    , m_messages(messages)
    , m_editor(editor)
    , m_layout(layout)
    , m_window(window)
    , m_controls(controls)
{}

void NumericBandEntry::attach()
{
    for (int readout = 0; readout < MainWindowControls::BandReadoutCount; ++readout) {
        QObject::connect(m_controls.readouts[readout], &ShowNumber::Click, this,
                         [this, readout] { open(readout); });
    }
    QObject::connect(m_controls.box, &QLineEdit::returnPressed, this, &NumericBandEntry::commit);
    m_controls.box->installEventFilter(this);
}

bool NumericBandEntry::isOpen() const
{
    return m_controls.box->isVisible();
}

void NumericBandEntry::open(int readout)
{
    const auto& binding = m_editor.readoutBinding(readout);
    if (!binding) {
        return;
    }
    m_target = binding;
    QLineEdit* box = m_controls.box;
    const ShowNumber* shown = m_controls.readouts[readout];
    const QRectF place = WindowLayout::twipsGeometry(shown);
    const QRectF boxPlace = WindowLayout::twipsGeometry(box);
    WindowLayout::setTwipsGeometry(
        box, QRectF(place.topLeft() + BoxOffset * m_layout.LabelScale(m_window), boxPlace.size()));
    box->setText(BandValueEntry::openingText(binding->field, shown->value()));
    box->show();
    box->raise();
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this);
}

void NumericBandEntry::discard()
{
    qApp->removeEventFilter(this);
    QLineEdit* box = m_controls.box;
    // Ended by a key, the focus goes back to the graph for the arrow keys, not to whatever
    // comes next.
    const bool hadFocus = box->hasFocus();
    box->hide();
    if (hadFocus) {
        m_controls.graph->setFocus(Qt::OtherFocusReason);
    }
}

void NumericBandEntry::commit()
{
    if (!m_target || !isOpen()) {
        return;
    }
    const TagNew::BandDisplayBinding target = *m_target;
    QLineEdit* box = m_controls.box;
    ParamModel& model = m_model;
    const BandValueEntry::Result result = BandValueEntry::commit(
        box->text(), target.field, m_bands.band(target.band).Kind, model.currentEqGroup());
    using Outcome = BandValueEntry::Result::Outcome;
    if (result.outcome == Outcome::NotNumber) {
        m_messages.showMessage(UserMessages::Icon::Exclamation, notNumberMessage());
    }
    if (result.outcome != Outcome::Stored) {
        discard();
        return;
    }
    m_undo.SaveUndo();
    if (!result.limitText.isEmpty()) {
        box->setText(result.limitText);
    }
    const int mode = model.currentMode();
    m_bands.setCurrentBand(target.band);
    model.setValue(target.field, mode, target.address, result.byte);
    m_refresh(Refresh::BandList | Refresh::Curve);
    // On its way, or waiting its turn; the box closes without waiting for the answer.
    m_sender.write(mode, target.address, Frames::StoredBytes);
    discard();
}

bool NumericBandEntry::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* box = m_controls.box;
    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == box) {
            discard();
        }
        break;
    case QEvent::KeyPress:
        if (watched == box && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            discard();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A press on a control that takes no focus would leave the box open: any press outside
        // it ends the entry as losing the focus does.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != box && !box->isAncestorOf(widget)) {
            discard();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
