#include "PresetFolder.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_PresetFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startFolder_data()
    {
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<QString>("remembered"); // "" none, "gone" a deleted folder, else a name
        QTest::addColumn<QString>("expected");   // program, documents or remembered
        QTest::newRow("first run, program directory writable") << true << ""
                                                               << "program";
        QTest::newRow("first run, installed read-only") << false << ""
                                                        << "documents";
        QTest::newRow("the folder used last") << false << "mine"
                                              << "remembered";
        QTest::newRow("the folder used last is gone") << false << "gone"
                                                      << "documents";
    }

    void startFolder()
    {
        QFETCH(bool, programWritable);
        QFETCH(QString, remembered);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir dir(root.path());
        for (const char* name : {"program", "documents", "mine", "gone"}) {
            QVERIFY(dir.mkdir(QString::fromLatin1(name)));
        }
        const QString program = dir.filePath(QStringLiteral("program"));
        if (!programWritable) {
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner |
                                                       QFile::ReadGroup | QFile::ExeGroup |
                                                       QFile::ReadOther | QFile::ExeOther));
        }
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        PresetFolder folder(settings, program, dir.filePath(QStringLiteral("documents")));
        if (!remembered.isEmpty()) {
            folder.remember(dir.filePath(remembered + QStringLiteral("/song.PA")));
            folder.remember(QString()); // a cancelled dialog
        }
        QVERIFY(dir.rmdir(QStringLiteral("gone")));
        QCOMPARE(folder.startFolder(),
                 dir.filePath(expected == u"remembered" ? remembered : expected));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(tst_PresetFolder)
#include "tst_PresetFolder.moc"
