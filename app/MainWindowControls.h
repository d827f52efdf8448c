#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

class C_ProgressBar;
class Form;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;
class ScrollBar;
class ShowNumber;
class SimpControl;

// The main window's controls by their design names, found once after the design is loaded, so
// that the handlers never look a name up again and a design that lacks one is refused at start.
struct MainWindowControls
{
    static constexpr int ScrollBarCount = 28;
    static constexpr int NumberCount = 26;
    static constexpr int ButtonCount = 8;
    static constexpr int BandMarkerCount = 17;
    static constexpr int BandReadoutCount = 47;
    static constexpr int PanelCount = 3;
    // The connection lamp MShowProgress's picture states.
    static constexpr int LampOffline = 0;
    static constexpr int LampOnline = 6;
    // One tab per EQ group, its element number the group's.
    static constexpr int GroupTabCount = 8;

    // Nothing, with the missing name in error, when the design lacks a control.
    static std::optional<MainWindowControls> find(const Form& form, QString& error);

    // Title strip
    SimpControl* SimpControl2;
    SimpControl* btnClose;
    SimpControl* btnImport;
    SimpControl* btnSave;
    SimpControl* btnUpload;
    SimpControl* SimpControl4; // undo
    SimpControl* SimpControl7; // redo
    std::array<SimpControl*, 2> btnSaveMode;
    std::array<SimpControl*, 2> btnModeChange;
    SimpControl* btnLock;
    // Toolbar
    std::array<SimpControl*, GroupTabCount> btnMode;
    SimpControl* btnParaShow;
    SimpControl* btnShowSub1;
    SimpControl* btnShowMode;
    SimpControl* btnUp1;
    SimpControl* btnDown1;
    std::array<SimpControl*, 2> btnStartModeI;
    SimpControl* btnInput;
    std::array<SimpControl*, 2> btnStartModeD;
    SimpControl* btnShowStartMode;
    SimpControl* btnFBX;
    SimpControl* btnUp2;
    SimpControl* btnDown2;
    SimpControl* MShowProgress;
    // Graph, knobs and band controls
    QWidget* Picture1;
    C_ProgressBar* C_ProgressBar1;
    ScrollBar* MKnobFreq;
    ScrollBar* MKnobDb;
    ScrollBar* MKnobQ;
    SimpControl* sLine1;
    SimpControl* sLine2;
    SimpControl* btnShowPointN;
    SimpControl* btnLeft1;
    SimpControl* btnRight1;
    SimpControl* btnEQByPass;
    SimpControl* btnReset;
    ScrollBar* ScrollTone;
    // Band editor and parameter panels
    QWidget* Frame1;
    std::array<QWidget*, PanelCount> Frame2;
    std::array<SimpControl*, PanelCount> SimpControl6;
    std::array<SimpControl*, BandMarkerCount> btnShowDot1;
    std::array<ShowNumber*, BandReadoutCount> ShowNumberDot;
    QLineEdit* Text1;
    std::array<ScrollBar*, ScrollBarCount> MyScrollBar;
    std::array<ShowNumber*, NumberCount> MyNumber;
    std::array<SimpControl*, ButtonCount> MyButton;
    QCheckBox* Check2;
    QLabel* Label1;
    QLabel* Label2; // a one-line notice along the bottom edge
};
