#include "ReconnectQuestion.h"

#include "DifferenceLines.h"
#include "WindowTitle.h"

#include <QPushButton>

ReconnectQuestion::ReconnectQuestion(const QList<SettingDifference>& differences, QWidget* parent)
    : QMessageBox(QMessageBox::Question, WindowTitle, question(differences.size()),
                  QMessageBox::NoButton, parent)
    , m_send(addButton(sendText(), QMessageBox::AcceptRole))
    , m_save(addButton(saveText(), QMessageBox::ActionRole))
{
    // No reject role: Escape and the close button do nothing, the choice is the user's.
    addButton(takeText(), QMessageBox::ApplyRole);
    setDefaultButton(qobject_cast<QPushButton*>(m_send));
    setDetailedText(DifferenceLines::lines(differences, tr("here")).join(u'\n'));
}

QString ReconnectQuestion::question(qsizetype count)
{
    return tr("The processor answers again. While it did not, %1 changed here, and "
              "it holds %2 otherwise. Which settings should both keep?")
        .arg(count == 1 ? tr("1 setting was") : tr("%1 settings were").arg(count),
             count == 1 ? tr("it") : tr("them"));
}

ReconnectQuestion::Choice ReconnectQuestion::choice() const
{
    const QAbstractButton* clicked = clickedButton();
    if (!clicked) {
        return Choice::None;
    }
    if (clicked == m_send) {
        return Choice::SendMine;
    }
    return clicked == m_save ? Choice::SaveMineFirst : Choice::TakeProcessors;
}
