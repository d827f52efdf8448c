#include "BandTable.h"
#include "EqGraphView.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "PictureFolder.h"
#include "PictureSets.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"

#include <QLineEdit>

namespace {

// Per band: frequency index, gain byte, Q byte.
struct BandBytes
{
    int address;
    ParamStore::Fields fields;
};

// The music group as a live mix might have it: a little low end, a cut in the boxy mids, some
// presence, a dip against sibilance, air on top, and the low cut at 40 Hz.
constexpr BandBytes MusicBands[] = {
    {0x03, {19, 55, 7}},    // 56 Hz +4 dB Q 0.7
    {0x04, {44, 105, 14}},  // 130 Hz -6 dB Q 1.4
    {0x05, {71, 65, 20}},   // 400 Hz +2 dB Q 2
    {0x06, {131, 90, 10}},  // 1 kHz -3 dB Q 1
    {0x07, {146, 45, 14}},  // 2.5 kHz +6 dB Q 1.4
    {0x08, {184, 115, 30}}, // 6.3 kHz -8 dB Q 3
    {0x09, {233, 60, 7}},   // 16 kHz +3 dB Q 0.7
    {0x01, {11, 75, 14}},   // low cut 40 Hz
};

// The effect group: its three bands, a high cut at 8 kHz and a low cut at 150 Hz.
constexpr BandBytes EffectBands[] = {
    {0x89, {81, 60, 14}},  // 500 Hz +3 dB
    {0x8A, {141, 95, 10}}, // 2 kHz -4 dB
    {0x8B, {171, 65, 20}}, // 5 kHz +2 dB
    {0x82, {201, 75, 14}}, // high cut 8 kHz
    {0x87, {46, 75, 14}},  // low cut 150 Hz
};

template <std::size_t N>
void storeBands(MainWindowHarness& h, const BandBytes (&bands)[N], int bypassAddress)
{
    for (const BandBytes& band : bands) {
        h.model.store().setFields(0, band.address, band.fields);
    }
    h.model.store().setValue(ParamField::Value, 0, bypassAddress, 1); // the equaliser on: no banner
    h.window.RefreshControls(Refresh::Everything);
}

// Selects a band the way the user does: a press on its marker.
void pressMarker(MainWindowHarness& h, EqGraphView* graph, int record)
{
    const EqBand& band = h.bands().band(record);
    const QPoint at(qRound(graph->geometry().FreqToX(band.Frequency)),
                    qRound(graph->geometry().DbToY(band.Gain)));
    QTest::mousePress(graph, Qt::LeftButton, {}, at);
    QTest::mouseRelease(graph, Qt::LeftButton, {}, at);
}

// The graph as the window shows it, and as a screen of pixel ratio 2 would: the same scene drawn
// by the graph's renderer into pictures of twice the pixels.
void saveGraph(PictureFolder& folder, MainWindowHarness& h, EqGraphView* graph, const QString& name)
{
    folder.save(name, graph->grab().toImage());
    EqGraphRenderer renderer(h.skin);
    renderer.setScale(float(graph->width()) / GraphGeometry::DesignWidth);
    const QImage grid = renderer.drawGrid(graph->size(), 2);
    QImage work;
    renderer.drawCurves(work, grid, graph->scene());
    folder.save(name + QStringLiteral("-ratio2"), work);
}

} // namespace

void drawGraphPictures(PictureFolder& folder)
{
    MainWindowHarness h;
    auto* graph = h.loaded ? qobject_cast<EqGraphView*>(h.c().graph) : nullptr;
    if (!graph) {
        folder.fail(h.loaded ? QStringLiteral("the graph is no EqGraphView") : h.loadError);
        return;
    }
    storeBands(h, MusicBands, 0x02);
    pressMarker(h, graph, 3);
    saveGraph(folder, h, graph, QStringLiteral("graph-music"));
    folder.save(QStringLiteral("graph-music-window"), h.window.grab().toImage());

    pressMarker(h, graph, 6); // 16 kHz: the readout goes to the left
    saveGraph(folder, h, graph, QStringLiteral("graph-music-above-10k"));

    // Typing a value: the entry box over the gain read-out of band 4.
    MainWindowHarness::click(h.c().bandReadouts[13]);
    folder.save(QStringLiteral("graph-entry-box"), h.c().bandPanel->grab().toImage());
    QTest::keyClick(h.c().bandValueEntry, Qt::Key_Escape);

    // Two neighbours at +15 dB, Q 0.5: the sum passes +16 dB and runs along the top edge.
    h.model.store().setFields(0, 0x06, {131, 0, 5});
    h.model.store().setFields(0, 0x07, {146, 0, 5});
    h.window.RefreshControls(Refresh::Everything);
    saveGraph(folder, h, graph, QStringLiteral("graph-music-beyond-range"));

    // The music group bypassed: the banner under the dimmed curve.
    storeBands(h, MusicBands, 0x02);
    h.model.store().setValue(ParamField::Value, 0, 0x02, 0);
    h.window.RefreshControls(Refresh::Everything);
    saveGraph(folder, h, graph, QStringLiteral("graph-music-bypassed"));

    h.commands().selectGroup(3);
    storeBands(h, EffectBands, 0x88);
    saveGraph(folder, h, graph, QStringLiteral("graph-effect"));
    pressMarker(h, graph, 0);
    saveGraph(folder, h, graph, QStringLiteral("graph-effect-readout"));

    // The effect group at the factory: flat, its sum over its two cuts.
    h.model.InitDefaults(ParamModel::FactoryReset);
    h.model.store().setValue(ParamField::Value, 0, 0x88, 1);
    h.window.RefreshControls(Refresh::Everything);
    saveGraph(folder, h, graph, QStringLiteral("graph-effect-flat"));
}
