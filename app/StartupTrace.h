#pragma once

#include <QLoggingCategory>
#include <QObject>

class frmEQ;

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

// With QT_LOGGING_RULES="tonvexa.startup.info=true", says on standard error when the window has
// first been painted with its controls (after its first activation, which lets them paint): the
// moment a user sees the program, for measuring how long start-up takes.
class StartupTrace : public QObject
{
    Q_OBJECT

public:
    static inline const char* const WindowPainted = "window painted";

    // Does nothing unless the category is enabled.
    static void watch(frmEQ& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartupTrace(frmEQ& window);

    frmEQ& m_window;
};
