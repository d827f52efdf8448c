#include "Form.h"
#include "MainWindowHarness.h"
#include "PictureFolder.h"
#include "PictureSets.h"
#include "SimpControl.h"

#include <QPainter>

namespace {

// The toolbar with each group's tab selected in turn, one strip under the other.
QImage tabStrips(MainWindowHarness& h)
{
    const MainWindowControls& c = h.c();
    // The toolbar and the rail under it, where the group marker rides.
    const auto* toolbar = h.form().find<SimpControl>(QStringLiteral("SimpControl1"));
    const QRect strip = toolbar->geometry().united(c.groupMarker->geometry());
    QImage sheet(strip.width(), strip.height() * MainWindowControls::GroupTabCount,
                 QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int group = 0; group < MainWindowControls::GroupTabCount; ++group) {
        MainWindowHarness::click(c.groupTabs[group]);
        painter.drawImage(QPoint(0, strip.height() * group), h.window.grab(strip).toImage());
    }
    return sheet;
}

} // namespace

void drawTabPictures(PictureFolder& folder)
{
    MainWindowHarness h;
    if (!h.loaded) {
        folder.fail(h.loadError);
        return;
    }
    folder.save(QStringLiteral("tabs-design-size"), tabStrips(h));
    h.window.resize(1266, 720); // the size the window opens at on a 1366 x 768 screen
    folder.save(QStringLiteral("tabs-1366x768"), tabStrips(h));
    MainWindowHarness::click(h.c().groupTabs[1]);
    QTest::qWait(50); // the graph redraws from its timer
    folder.save(QStringLiteral("window-1366x768-microphone-1-2"), h.window.grab().toImage());
}
