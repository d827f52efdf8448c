#include "CommIndicator.h"
#include "CommLog.h"
#include "ConnectionSupervisor.h"
#include "MainWindowHarness.h"
#include "Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString KeepAliveSent = QStringLiteral("发送: FF 同步字");
const QString KeepAliveEcho = QStringLiteral("接收: FF");

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class tst_CommIndicator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepAliveTraffic_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("keep-alive display on (as the window opens)") << true;
        QTest::newRow("switched off: an idle link adds nothing") << false;
    }

    void keepAliveTraffic()
    {
        QFETCH(bool, shown);
        MainWindowHarness h;
        QTemporaryDir folder;
        CommIndicator& window = h.commIndicator();
        window.setLogFile(CommLogFile(folder.path(), folder.path()));
        // A keep-alive every 100 ms instead of every second.
        LinkTimings timings = h.link.timings();
        timings.scale = 0.1;
        h.link.setTimings(timings);
        h.supervisor().start();
        QTRY_VERIFY(h.link.isOnline() && !h.link.isBusy()); // synchronised too
        QTest::keyClick(&h.window, 'w');
        QVERIFY(window.isVisible());
        if (!shown) {
            QTest::mouseClick(window.keepAliveButton, Qt::LeftButton);
        }
        const QString before = h.link.log().text();
        const int sentBefore = h.sim.keepAlivesReceived();
        QSignalSpy echoes(&h.link, &DeviceLink::keepAliveEchoed);
        QTRY_VERIFY(h.sim.keepAlivesReceived() >= sentBefore + 3);
        h.supervisor().stop();
        const int sent = h.sim.keepAlivesReceived() - sentBefore;
        QTRY_COMPARE(echoes.count(), sent);
        QVERIFY(h.link.log().text().startsWith(before));
        const QString added = h.link.log().text().mid(before.size());
        QCOMPARE(added.count(KeepAliveSent), shown ? sent : 0);
        QCOMPARE(added.count(KeepAliveEcho), shown ? sent : 0);
        QCOMPARE(added.size() > 0, shown);
        // The window shows the log's lines within a refresh.
        QTRY_COMPARE(window.logText->toPlainText().count(KeepAliveSent),
                     h.link.log().text().count(KeepAliveSent));
    }

    void textMovesToTheLogFile()
    {
        MainWindowHarness h;
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("bin"));
        const QString data = folder.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(program));
        CommIndicator& window = h.commIndicator();
        // Installed: the program's directory is read-only, so the file goes to the data folder.
        window.setLogFile(CommLogFile(program, data, [](const QString&) { return false; }));
        const QString path = QDir(data).filePath(CommLogFile::FileName);
        QVERIFY(QDir().mkpath(data));
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly) && left.write("previous opening") > 0);
        left.close();

        QTest::keyClick(&h.window, 'w');
        QVERIFY(!QFile::exists(path)); // started afresh
        QVERIFY(window.fileLine->text().endsWith(path));
        QCOMPARE(window.logText->toolTip(), path);
        window.resize(600, 400);
        QCOMPARE(window.logText->geometry(),
                 twipsToPixels(QRectF(0, 0, 600 * TwipsPerPixel - 100, 400 * TwipsPerPixel - 350)));

        // Past 60000 characters the text goes to the file and the display starts empty.
        CommLog& log = h.link.log();
        const QString entry(100, u'x');
        while (log.text().size() <= CommLogArchive::RollOverLength) {
            log.append(entry);
        }
        const QString rolled = log.text();
        QTRY_VERIFY(log.text().isEmpty());
        QCOMPARE(fileText(path), rolled + QStringLiteral("\r\n"));
        QTRY_VERIFY(window.logText->toPlainText().isEmpty());
        log.append(QStringLiteral("newest"));
        QTRY_COMPARE(window.logText->toPlainText(), QStringLiteral("newest"));

        // A double-click moves the text to the file and empties the display.
        QTest::mouseDClick(window.logText->viewport(), Qt::LeftButton);
        QVERIFY(fileText(path).endsWith(QStringLiteral("\r\nnewest\r\n")));
        QTRY_VERIFY(window.logText->toPlainText().isEmpty());

        // What is logged after the last write reaches the file when the program ends.
        log.append(QStringLiteral("last words"));
        h.window.close();
        QVERIFY(fileText(path).endsWith(QStringLiteral("\r\nlast words\r\n")));
        QVERIFY(!window.isVisible());
        QVERIFY(!log.isEnabled());
    }
};

QTEST_MAIN(tst_CommIndicator)
#include "tst_CommIndicator.moc"
