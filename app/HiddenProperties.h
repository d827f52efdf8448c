#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QString>

struct MainWindowContext;

// The password-guarded menu settings, started by the letter q on the main window: the
// processor's password is read, the password dialog must be passed, the menu-show window edits
// the flags, and saved flags are written to the processor's three menu blocks. Each step waits
// for the one before it with the event loop running; any step that fails ends the sequence. Flags
// the processor did not get (a write failed, or it stopped answering) go back to what it holds.
class HiddenProperties
{
public:
    static QString menuSetMessage()
    {
        return QCoreApplication::translate("HiddenProperties", "Menu property is set.");
    }

    explicit HiddenProperties(MainWindowContext& context);

    QCoro::Task<> run();

private:
    QCoro::Task<bool> readPassword();
    // How many of the three blocks the processor confirmed, in order.
    QCoro::Task<int> writeMenuFlags();

    MainWindowContext& m_context;
};
