#pragma once

#include <QList>
#include <QString>

class PictureFolder;

// The pictures made for people to look at. Each set is one function that draws its pictures
// into the folder; a new set is one more function and one more line in all().
struct PictureSet
{
    QString name;
    void (*draw)(PictureFolder& folder);

    static const QList<PictureSet>& all();
};

// The main window against the simulated processor: at the factory state, after a sync with a
// changed processor, and with each parameter panel shown.
void drawWindowPictures(PictureFolder& folder);
// The main window while an upload runs, with the progress bar over the graph.
void drawTransferPictures(PictureFolder& folder);
// The toolbar with each EQ group's tab selected, at the design size and at the size for a
// 1366 x 768 screen, and that window with the microphone 1-2 group.
void drawTabPictures(PictureFolder& folder);
// The password dialog in both stages, the menu-show window and the communication log, alone and
// over the main window.
void drawDialogPictures(PictureFolder& folder);
// The equaliser graph: the music group with bands boosted and cut, a band above 10 kHz selected,
// a sum beyond +16 dB, the group bypassed, the effect group with its three curves and flat, each
// also at pixel ratio 2; the value entry box.
void drawGraphPictures(PictureFolder& folder);
// Room EQ on the graph: a measurement with its target and the music group's fit, a filter file
// imported into the music group, the effect group fitted to the measurement.
void drawRoomEqPictures(PictureFolder& folder);
// Every skinned control class in several states, drawn with the real skin at 1x and 1.5x.
void drawControlGallery(PictureFolder& folder);
