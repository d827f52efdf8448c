#pragma once

class QApplication;
class QFont;
class QWidget;

// The look of everything that is not skin: message boxes, file dialogs, the check box and the
// value entry box follow the skin's dark rack colours instead of the desktop's theme.
class AppStyle
{
public:
    static void apply(QApplication& app);
    // The font of the secondary windows: the interface font, with the simplified-Chinese face for
    // their Chinese texts (fontconfig would otherwise pick a Japanese one).
    static QFont dialogFont();
    // Fusion outlines check boxes in a shade of the window colour, which vanishes on the dark base
    // of a list: a list of check boxes gets outlines that show.
    static void showCheckBoxOutlines(QWidget& list);
    // Monospace for the communication log's hexadecimal lines, Chinese included.
    static QFont logFont();
};
