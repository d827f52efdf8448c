#pragma once

#include "SettingDifferences.h"

#include <QCoreApplication>
#include <QMessageBox>

// Asked when a processor answers again while the window holds settings changed without one that
// the processor holds otherwise: how many, the list on request (the box's details), and what to
// do with them. It has no way out without a choice: each of them keeps the edits or says where
// they go. Opened with open(); the choice is read once it has finished.
class ReconnectQuestion : public QMessageBox
{
    Q_OBJECT

public:
    enum class Choice
    {
        None,           // closed unanswered: the window is closing
        SendMine,       // upload the window's settings
        TakeProcessors, // the synchronisation, as on every connection
        SaveMineFirst,  // a preset of the window's settings, then the synchronisation
    };

    static QString sendText()
    {
        return QCoreApplication::translate("ReconnectQuestion", "Send mine to the processor");
    }
    static QString takeText()
    {
        return QCoreApplication::translate("ReconnectQuestion", "Take the processor's");
    }
    static QString saveText()
    {
        return QCoreApplication::translate("ReconnectQuestion",
                                           "Save mine as a preset, then take the "
                                           "processor's");
    }

    ReconnectQuestion(const QList<SettingDifference>& differences, QWidget* parent);

    // The question's text for that many settings.
    static QString question(qsizetype count);
    Choice choice() const;

private:
    QAbstractButton* m_send;
    QAbstractButton* m_save;
};
