#include "CommLog.h"
#include "CommLogFollower.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_CommLogFollower : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every entry reaches the file the moment it is made, after what the file held, whether the
    // log window shows the text or not; an unshown text does not grow for it.
    void entriesAreAppendedAsTheyCome_data()
    {
        QTest::addColumn<bool>("windowOpen");
        QTest::newRow("log window closed") << false;
        QTest::newRow("log window open") << true;
    }

    void entriesAreAppendedAsTheyCome()
    {
        QFETCH(bool, windowOpen);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frames.txt"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\n");
        earlier.close();
        CommLog log;
        log.setEnabled(windowOpen);
        CommLogFollower follower(log);
        QString error;
        QVERIFY(follower.open(path, error));
        QByteArray expected = "earlier\n";
        for (const QString& entry :
             {QStringLiteral("发送: FE,F0,00,33,00,23,44"), QStringLiteral("接收: FE,23,23,44")}) {
            log.append(entry);
            expected += entry.toUtf8() + '\n';
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), expected);
        }
        QCOMPARE(log.text().isEmpty(), !windowOpen);
    }
};

QTEST_GUILESS_MAIN(tst_CommLogFollower)
#include "tst_CommLogFollower.moc"
