#include "CommLog.h"

#include <QSignalSpy>
#include <QTest>

class tst_CommLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesStartWithALineBreak()
    {
        CommLog log;
        log.setEnabled(true);
        log.append(QStringLiteral("发送: FE,F0,00,33,00,23,44"));
        log.append(QStringLiteral("已进入联机！"));
        QCOMPARE(log.text(), QStringLiteral("\r\n发送: FE,F0,00,33,00,23,44\r\n已进入联机！"));
    }

    void disabledLogTakesOnlyTheAlwaysEntries()
    {
        CommLog log;
        QSignalSpy spy(&log, &CommLog::entryAppended);
        log.append(QStringLiteral("发送: FF 同步字"));
        log.appendAlways(QStringLiteral("校验失败！从下一个数据开始继续校验。"));
        QCOMPARE(log.text(), QStringLiteral("\r\n校验失败！从下一个数据开始继续校验。"));
        QCOMPARE(spy.count(), 1);
    }

    void unshownLogKeepsItsNewestEntries()
    {
        CommLog log;
        const QString entry = QStringLiteral("校验失败！从下一个数据开始继续校验。");
        for (int i = 0; i < 20000; ++i) {
            log.appendAlways(entry);
        }
        QVERIFY(log.text().size() <= CommLog::UnshownLimit);
        QVERIFY(log.text().startsWith(QStringLiteral("\r\n") + entry));
        QVERIFY(log.text().endsWith(entry));
    }

    void shownLogIsNotCut()
    {
        CommLog log;
        log.setEnabled(true);
        const QString entry(100, u'x');
        for (int i = 0; i < 1000; ++i) {
            log.append(entry);
        }
        QCOMPARE(log.text().size(), 1000 * 102);
    }
};

QTEST_GUILESS_MAIN(tst_CommLog)
#include "tst_CommLog.moc"
