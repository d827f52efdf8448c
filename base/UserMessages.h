#pragma once

#include <QString>
#include <functional>

// Where the program's fixed failure and information texts go: message boxes in the window,
// standard error in the command-line tool, a recording list in tests. Showing a message never
// waits: it returns at once, and what has to follow the user's OK goes in dismissed.
class UserMessages
{
public:
    enum class Icon
    {
        Exclamation,
        Critical,
        Information
    };
    // Runs once the message has been dismissed: when the user closes the box, at once where
    // nobody has to (standard error, tests).
    using Dismissed = std::function<void()>;

    virtual ~UserMessages() = default;
    void showMessage(Icon icon, const QString& text) { showMessage(icon, text, {}); }
    virtual void showMessage(Icon icon, const QString& text, Dismissed dismissed) = 0;
    // What a message reported is over (the processor answers again): where a front end can take
    // the message back, it does, so that it never contradicts what the window shows.
    virtual void withdrawMessage(const QString& text) { Q_UNUSED(text) }
};
