#include "CmdPassword.h"
#include "CommIndicator.h"
#include "MainWindowHarness.h"
#include "MenuShowFrm.h"
#include "MenuShowModel.h"
#include "PictureFolder.h"
#include "PictureSets.h"

#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The main window with the other windows where they would open over it.
QImage composed(const QImage& window, const QList<QPair<QImage, QPoint>>& others)
{
    QImage picture = window.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    for (const auto& [image, place] : others) {
        painter.fillRect(QRect(place + QPoint(6, 6), image.size()), QColor(0, 0, 0, 120));
        painter.drawImage(place, image);
        painter.setPen(QColor(0x60, 0x66, 0x70));
        painter.drawRect(QRect(place, image.size()).adjusted(0, 0, -1, -1));
    }
    return picture;
}

} // namespace

void drawDialogPictures(PictureFolder& folder)
{
    MainWindowHarness h;
    QTemporaryDir logFolder;
    if (!h.loaded || !h.goOnline()) {
        folder.fail(QStringLiteral("the window did not come online"));
        return;
    }

    CmdPassword password(h.model, h.link, h.messages, &h.window);
    password.show();
    password.passwordEntry->setText(QStringLiteral("0000"));
    const QImage firstStage = password.grab().toImage();
    folder.save(QStringLiteral("dialog-password"), firstStage);
    h.model.password() = h.sim.memory().password();
    password.passwordEntry->setText(QStringLiteral("000000000"));
    password.changeButton->click();
    password.passwordEntry->setText(QStringLiteral("abcdefghi"));
    password.confirmEntry->setText(QStringLiteral("abc"));
    folder.save(QStringLiteral("dialog-password-new"), password.grab().toImage());
    password.hide();

    h.model.menuShow()[0x41] = 1;
    MenuShowFrm menu(h.model.menuShow(), &h.window);
    menu.model().setTicked(17, false); // the music section hidden
    menu.show();
    menu.entryList->scrollTo(menu.model().index(30));
    const QImage menuPicture = menu.grab().toImage();
    folder.save(QStringLiteral("dialog-menushow"), menuPicture);
    menu.hide();

    CommIndicator& log = h.commIndicator();
    log.setLogFile(CommLogFile(logFolder.path(), logFolder.path()));
    log.open();
    h.link.setOnline(false);
    // The handshake and the whole synchronisation, logged.
    QCoro::waitFor(h.supervisor().Handshake());
    h.supervisor().start();
    QTest::qWait(2300); // two keep-alives and their echoes
    const QImage logPicture = log.grab().toImage();
    folder.save(QStringLiteral("dialog-commlog"), logPicture);

    const QImage window = h.window.grab().toImage();
    folder.save(QStringLiteral("dialogs-over-window"),
                composed(window, {{logPicture, QPoint(40, 420)},
                                  {menuPicture, QPoint(1100, 160)},
                                  {firstStage, QPoint(700, 330)}}));
}
