#include "C_ProgressBar.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "PictureFolder.h"
#include "PictureSets.h"
#include "SimpControl.h"

#include <QTimer>

namespace {

// A processor whose memory differs from the factory's almost everywhere the window shows it, so
// that a sync visibly moves faders, read-outs, curves and selectors.
void changeProcessorMemory(SimProcessor& sim)
{
    ParamStore& store = sim.memory().store();
    for (int mode = 0; mode < 8; ++mode) {
        for (int address = 0x40; address < 0x5E; ++address) {
            store.setValue(ParamField::Value, mode, address, quint8(20 + address % 50));
        }
        for (int band = 0; band < 7; ++band) {
            store.setFields(mode, 0x03 + band,
                            {quint8(19 + 30 * band), quint8(40 + 10 * band), 20});
        }
        store.setValue(ParamField::Value, mode, 0x00, 100);
    }
    for (int address : {0xC0, 0xC1, 0xC2, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA}) {
        store.setValue(ParamField::Value, 0, address, quint8(address - 0xB0));
    }
    store.setValue(ParamField::Value, 0, 0xC3, 3);
    store.setValue(ParamField::Value, 0, 0xC4, 2);
}

} // namespace

void drawWindowPictures(PictureFolder& folder)
{
    MainWindowHarness h;
    if (!h.loaded) {
        folder.fail(h.loadError);
        return;
    }
    folder.save(QStringLiteral("window-factory"), h.window.grab().toImage());

    changeProcessorMemory(h.sim);
    if (!h.goOnline()) {
        folder.fail(QStringLiteral("the simulated processor did not answer the sync"));
    }
    folder.save(QStringLiteral("window-synchronised"), h.window.grab().toImage());

    MainWindowHarness::click(h.c().panelsTab);
    for (int tab = 0; tab < MainWindowControls::PanelCount; ++tab) {
        // The tab strip is drawn into every panel's art; press the tab on the panel shown.
        QTest::mousePress(h.c().panelTabStrips[h.commands().currentTab()], Qt::LeftButton, {},
                          QPoint(760 + 120 * tab, 36));
        folder.save(QStringLiteral("window-panel-%1").arg(tab), h.window.grab().toImage());
    }
}

void drawTransferPictures(PictureFolder& folder)
{
    MainWindowHarness h;
    if (!h.loaded || !h.goOnline()) {
        folder.fail(QStringLiteral("the window did not come online for the upload"));
        return;
    }
    h.sim.setLatencyMs(10); // long enough for the bar's 200 ms refresh to show some progress
    QImage during;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (during.isNull() && h.c().transferProgress->isVisible() &&
            h.c().transferProgress->value() > 0) {
            during = h.window.grab().toImage();
        }
    });
    watch.start(20);
    MainWindowHarness::click(h.c().uploadButton); // returns when the upload has ended
    folder.save(QStringLiteral("window-transfer"), during);
}
