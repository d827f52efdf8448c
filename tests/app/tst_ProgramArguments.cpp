#include <QProcess>
#include <QTest>

// What the program makes of its command line before it opens a window.
class tst_ProgramArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStateFileIsRefused()
    {
        QProcess program;
        program.start(QStringLiteral(TONVEXA_PROGRAM), {QStringLiteral("--simulate=")});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(
            program.readAllStandardError().contains("tonvexa: --simulate= needs a state file\n"));
    }
};

QTEST_GUILESS_MAIN(tst_ProgramArguments)
#include "tst_ProgramArguments.moc"
