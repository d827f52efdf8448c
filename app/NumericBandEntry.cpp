#include "NumericBandEntry.h"

#include "BandEditor.h"
#include "BandTable.h"
#include "BandValueEntry.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "MainWindowContext.h"
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

namespace {

// Where the box opens, from the read-out's top left, in design twips.
constexpr QPointF BoxOffset(100, 90);

} // namespace

NumericBandEntry::NumericBandEntry(MainWindowContext& context, BandEditor& bands,
                                   const WindowLayout& layout)
    : m_context(context)
    , m_bands(bands)
    , m_layout(layout)
{}

void NumericBandEntry::attach()
{
    MainWindowControls& c = m_context.controls;
    for (int readout = 0; readout < MainWindowControls::BandReadoutCount; ++readout) {
        QObject::connect(c.bandReadouts[readout], &ShowNumber::Click, this,
                         [this, readout] { open(readout); });
    }
    QObject::connect(c.bandValueEntry, &QLineEdit::returnPressed, this, &NumericBandEntry::commit);
    c.bandValueEntry->installEventFilter(this);
}

bool NumericBandEntry::isOpen() const
{
    return m_context.controls.bandValueEntry->isVisible();
}

void NumericBandEntry::open(int readout)
{
    const auto& binding = m_bands.readoutBinding(readout);
    if (!binding) {
        return;
    }
    m_target = binding;
    QLineEdit* box = m_context.controls.bandValueEntry;
    const ShowNumber* shown = m_context.controls.bandReadouts[readout];
    const QRectF place = WindowLayout::twipsGeometry(shown);
    const QRectF boxPlace = WindowLayout::twipsGeometry(box);
    WindowLayout::setTwipsGeometry(
        box, QRectF(place.topLeft() + BoxOffset * m_layout.LabelScale(m_context.window),
                    boxPlace.size()));
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
    QLineEdit* box = m_context.controls.bandValueEntry;
    // Ended by a key, the focus goes back to the graph for the arrow keys, not to whatever
    // comes next.
    const bool hadFocus = box->hasFocus();
    box->hide();
    if (hadFocus) {
        m_context.controls.graph->setFocus(Qt::OtherFocusReason);
    }
}

void NumericBandEntry::commit()
{
    if (!m_target || !isOpen()) {
        return;
    }
    const TagNew::BandDisplayBinding target = *m_target;
    QLineEdit* box = m_context.controls.bandValueEntry;
    ParamModel& model = m_context.model;
    const BandValueEntry::Result result = BandValueEntry::commit(
        box->text(), target.field, m_context.bands.band(target.band).Kind, model.currentEqGroup());
    using Outcome = BandValueEntry::Result::Outcome;
    if (result.outcome == Outcome::NotNumber) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, NotNumberMessage);
    }
    if (result.outcome != Outcome::Stored) {
        discard();
        return;
    }
    m_context.undo.SaveUndo();
    if (!result.limitText.isEmpty()) {
        box->setText(result.limitText);
    }
    const int mode = model.currentMode();
    m_context.bands.setCurrentBand(target.band);
    model.store().setValue(target.field, mode, target.address, result.byte);
    m_context.RefreshControls(RefreshFlags::BandList | RefreshFlags::Curve | RefreshFlags::Knobs |
                                  RefreshFlags::BandReadouts,
                              RefreshFlags::AllAddresses);
    if (m_context.online()) {
        // On its way, or waiting its turn; the box closes without waiting for the answer.
        m_context.link.SendFrame(Frames::ParamWrite, mode, target.address, Frames::StoredBytes,
                                 ReplyTimeout::Normal);
    }
    discard();
}

bool NumericBandEntry::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* box = m_context.controls.bandValueEntry;
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
