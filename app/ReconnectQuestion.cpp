#include "ReconnectQuestion.h"

#include "DifferenceLines.h"
#include "WindowTitle.h"

#include <QPushButton>

ReconnectQuestion::ReconnectQuestion(const QList<SettingDifference>& differences, QWidget* parent)
    : QMessageBox(QMessageBox::Question, WindowTitle, question(differences.size()),
                  QMessageBox::NoButton, parent)
    , m_send(addButton(SendText, QMessageBox::AcceptRole))
    , m_save(addButton(SaveText, QMessageBox::ActionRole))
{
    // No reject role: Escape and the close button do nothing, the choice is the user's.
    addButton(TakeText, QMessageBox::ApplyRole);
    setDefaultButton(qobject_cast<QPushButton*>(m_send));
    setDetailedText(DifferenceLines::lines(differences, QStringLiteral("here")).join(u'\n'));
}

QString ReconnectQuestion::question(qsizetype count)
{
    return QStringLiteral("The processor answers again. While it did not, %1 changed here, and "
                          "it holds %2 otherwise. Which settings should both keep?")
        .arg(count == 1 ? QStringLiteral("1 setting was")
                        : QStringLiteral("%1 settings were").arg(count),
             count == 1 ? QStringLiteral("it") : QStringLiteral("them"));
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
