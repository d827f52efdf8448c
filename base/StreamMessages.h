#pragma once

#include "UserMessages.h"

#include <QTextStream>

// Messages as lines of text, for the command-line tool and for runs of the window that nobody
// watches (a screenshot run must never wait on a message box).
class StreamMessages : public UserMessages
{
public:
    explicit StreamMessages(QTextStream& err)
        : m_err(err)
    {}

    using UserMessages::showMessage;
    void showMessage(Icon, const QString& text, Dismissed dismissed) override
    {
        m_err << text.trimmed() << Qt::endl;
        if (dismissed) {
            dismissed();
        }
    }

private:
    QTextStream& m_err;
};
