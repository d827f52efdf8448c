#pragma once

class QApplication;

// The look of everything that is not skin: message boxes, file dialogs, the check box and the
// value entry box follow the skin's dark rack colours instead of the desktop's theme.
class AppStyle
{
public:
    static void apply(QApplication& app);
};
