#pragma once

#include <QString>

// Where the program's fixed failure and information texts go: message boxes in the window,
// standard error in the command-line tool, a recording list in tests. Showing a message may
// block (a modal box) and lets events run, exactly as a message box does.
class UserMessages
{
public:
    enum class Icon
    {
        Exclamation,
        Critical,
        Information
    };

    virtual ~UserMessages() = default;
    virtual void showMessage(Icon icon, const QString& text) = 0;
};
