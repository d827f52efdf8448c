#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

// What each panel picture carries besides its plate: section frames, captions, recessed wells
// for read-outs and the tab strip. All positions are the panel picture's own pixels and follow
// where the main window places its controls on the panel, so that a caption sits exactly above
// or below its control; this is the one place to change them.
class PanelLayout
{
public:
    // The panel and strip pictures this class arranges.
    static constexpr int TitleStripId = 101;
    static constexpr int MasterSectionId = 151;
    static constexpr int ToolbarId = 152;
    static constexpr int EffectPanelId = 249;
    static constexpr int BandEditorId = 251;
    static constexpr int VolumePanelId = 292;
    static constexpr int LevelPanelId = 300;

    enum class CaptionStyle
    {
        Label,   // a control's name
        Heading, // larger, for a group of controls
        Unit,    // small and dim: units and scale marks
    };

    // An engraved frame around a group of controls; its caption sits on the top edge.
    struct Section
    {
        QRect rect;
        QString caption;
    };

    // A caption anchored at a point: the point is the text's vertical centre and, by alignment,
    // its left end, horizontal centre or right end.
    struct Caption
    {
        QPointF anchor;
        QString text;
        Qt::Alignment alignment = Qt::AlignHCenter;
        CaptionStyle style = CaptionStyle::Label;
        int maxWidth = 0; // a longer text is set a size smaller; 0: no limit
    };

    // An engraved name plate, for a panel area that holds no controls.
    struct Nameplate
    {
        QRect rect;
        QString title;
        QString subtitle;
    };

    struct Art
    {
        QList<Section> sections;
        QList<Nameplate> nameplates;
        QList<Caption> captions;
        QList<QRect> bays;    // shallow recesses that hold a group of controls
        QList<QRect> vents;   // areas filled with rack-style ventilation slots
        QList<QRect> wells;   // recessed read-out windows
        QList<QRect> grooves; // engraved lines (one pixel thick rectangles)
        QList<QRect> bands;   // faintly darker stripes that guide the eye along a row
        int selectedTab = -1; // the tab strip's selected tab; -1: the panel has no tab strip
    };

    // A tab of the strip on the parameter panels, in panel pixels.
    struct Tab
    {
        QRect rect;
        QString label;
    };

    // The three panel tabs: where the main window hit-tests them, with their labels.
    static QList<Tab> tabs();

    // The arrangement of panel picture id; empty for an id that is not a panel.
    static Art art(int id);

private:
    static Art titleStrip();
    static Art toolbar();
    static Art masterSection();
    static Art volumePanel();
    static Art effectPanel();
    static Art levelPanel();
    static Art bandEditor();
};
