#pragma once

#include "PanelLayout.h"
#include "PicturePainter.h"

class QRectF;

// Panels and strips: the title strip with its logo, the toolbar, the master section, the four
// 1171-wide panels and the emblem. Plates are drawn here; what sits on them comes from
// PanelLayout.
class PanelPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

    // The product emblem, also used small in the logo.
    static void paintEmblem(QPainter& p, const QRectF& box);

private:
    static void paintTitleStrip(QPainter& p, const QSize& size);
    static void paintLogo(QPainter& p, const QSize& size);
    static void paintPlate(QPainter& p, const QSize& size, int id, bool dark);
    static void paintArt(QPainter& p, const PanelLayout::Art& art);
    static void paintSection(QPainter& p, const PanelLayout::Section& section);
    static void paintVents(QPainter& p, const QRect& area);
    static void paintNameplate(QPainter& p, const PanelLayout::Nameplate& plate);
    static void paintCaption(QPainter& p, const PanelLayout::Caption& caption);
    static void paintTabs(QPainter& p, int selected);
};
