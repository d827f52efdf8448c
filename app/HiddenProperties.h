#pragma once

#include <QString>

struct MainWindowContext;

// The password-guarded menu settings, started by the letter q on the main window: the
// processor's password is read, the password dialog must be passed, the menu-show window edits
// the flags, and saved flags are written to the processor's three menu blocks.
class HiddenProperties
{
public:
    static inline const QString MenuSetMessage = QStringLiteral("Menu property is set.");

    explicit HiddenProperties(MainWindowContext& context);

    void run();

private:
    bool readPassword();
    bool writeMenuFlags();

    MainWindowContext& m_context;
};
