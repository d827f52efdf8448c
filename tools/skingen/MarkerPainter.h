#pragma once

#include "PicturePainter.h"

#include <QString>

// Markers and labels: the numbered band markers on the graph, the band-editor markers, the band
// name under the graph with its indicator lines, and the group marker under the selected tab.
class MarkerPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

private:
    static void paintGraphMarker(QPainter& p, const QSize& size, const QString& text, bool cut,
                                 bool selected);
    static void paintEditorMarker(QPainter& p, const QSize& size, int firstId, const QString& text,
                                  bool selected);
    static void paintBandName(QPainter& p, const QSize& size, const QString& text, bool online);
    static void paintIndicatorLine(QPainter& p, const QSize& size, bool online);
    static void paintGroupMarker(QPainter& p, const QSize& size);
    // "EQ n" for bands 0..14, the cut names for 15 (high) and 16 (low).
    static QString bandName(int band);
};
