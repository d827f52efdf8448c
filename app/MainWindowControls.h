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
class ShowNumber;
class SimpControl;
class SkinnedSlider;

// The main window's controls, looked up by their design names once after the design is loaded, so
// that the handlers never look a name up again and a design that lacks one is refused at start.
struct MainWindowControls
{
    static constexpr int SliderCount = 28;
    static constexpr int DigitDisplayCount = 26;
    static constexpr int TwoWayButtonCount = 8;
    static constexpr int BandMarkerCount = 17;
    static constexpr int BandReadoutCount = 47;
    static constexpr int PanelCount = 3;
    // The connection lamp's picture states.
    static constexpr int LampOffline = 0;
    static constexpr int LampOnline = 6;
    // One tab per EQ group, its element number the group's.
    static constexpr int GroupTabCount = 8;

    // Nothing, with the missing name in error, when the design lacks a control.
    static std::optional<MainWindowControls> find(const Form& form, QString& error);

    // The design's name of each control follows it; docs/GLOSSARY.md says what each one does.
    // Title strip
    SimpControl* titleStrip;                       // SimpControl2: dragging it moves the window
    SimpControl* closeButton;                      // btnClose
    SimpControl* importButton;                     // btnImport
    SimpControl* saveButton;                       // btnSave
    SimpControl* uploadButton;                     // btnUpload
    SimpControl* undoButton;                       // SimpControl4
    SimpControl* redoButton;                       // SimpControl7
    std::array<SimpControl*, 2> saveModeButtons;   // btnSaveMode
    std::array<SimpControl*, 2> modeChangeButtons; // btnModeChange
    SimpControl* lockButton;                       // btnLock
    // Toolbar
    std::array<SimpControl*, GroupTabCount> groupTabs; // btnMode
    SimpControl* panelsTab;                            // btnParaShow
    SimpControl* groupMarker;                          // btnShowSub1: under the selected tab
    SimpControl* modeNumber;                           // btnShowMode
    SimpControl* modeUp;                               // btnUp1: the previous mode
    SimpControl* modeDown;                             // btnDown1: the next mode
    std::array<SimpControl*, 2> inputArrows;           // btnStartModeI: previous, next
    SimpControl* inputDisplay;                         // btnInput
    std::array<SimpControl*, 2> startModeArrows;       // btnStartModeD: previous, next
    SimpControl* startModeDisplay;                     // btnShowStartMode
    SimpControl* fourWayDisplay;                       // btnFBX
    SimpControl* fourWayUp;                            // btnUp2: one step lower
    SimpControl* fourWayDown;                          // btnDown2: one step higher
    SimpControl* connectionLamp;                       // MShowProgress
    // Graph, knobs and band controls
    QWidget* graph;                  // Picture1
    C_ProgressBar* transferProgress; // C_ProgressBar1
    SkinnedSlider* frequencyKnob;    // MKnobFreq
    SkinnedSlider* gainKnob;         // MKnobDb
    SkinnedSlider* qKnob;            // MKnobQ
    SimpControl* bandLineLeft;       // sLine1
    SimpControl* bandLineRight;      // sLine2
    SimpControl* bandName;           // btnShowPointN
    SimpControl* previousBand;       // btnLeft1
    SimpControl* nextBand;           // btnRight1
    SimpControl* bypassButton;       // btnEQByPass: the EQ on / off
    SimpControl* groupResetButton;   // btnReset
    SkinnedSlider* toneKey;          // ScrollTone
    // Band editor and parameter panels
    QWidget* bandPanel;                                        // Frame1
    std::array<QWidget*, PanelCount> parameterPanels;          // Frame2
    std::array<SimpControl*, PanelCount> panelTabStrips;       // SimpControl6
    std::array<SimpControl*, BandMarkerCount> bandMarkers;     // btnShowDot1
    std::array<ShowNumber*, BandReadoutCount> bandReadouts;    // ShowNumberDot
    QLineEdit* bandValueEntry;                                 // Text1
    std::array<SkinnedSlider*, SliderCount> sliders;           // MyScrollBar
    std::array<ShowNumber*, DigitDisplayCount> digitDisplays;  // MyNumber
    std::array<SimpControl*, TwoWayButtonCount> twoWayButtons; // MyButton
    QCheckBox* redrawMeterCheck;                               // Check2
    QLabel* resizeGrip;                                        // Label1
    QLabel* noticeLine; // Label2: a one-line notice along the bottom edge
};
