#pragma once

#include "UserMessages.h"

#include <QTextStream>

// The command-line tool's message box: every text on standard error, one line each.
class StderrMessages : public UserMessages
{
public:
    explicit StderrMessages(QTextStream& err)
        : m_err(err)
    {}

    void showMessage(Icon, const QString& text) override { m_err << text.trimmed() << Qt::endl; }

private:
    QTextStream& m_err;
};
