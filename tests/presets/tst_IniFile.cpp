#include "IniFile.h"

#include <QRandomGenerator>
#include <QTest>

// Reading and writing as Windows private-profile files behave, with every untouched byte kept.
class tst_IniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLikeAPrivateProfile_data();
    void readsLikeAPrivateProfile();
    void writesInPlaceAndKeepsTheRest_data();
    void writesInPlaceAndKeepsTheRest();
    void untouchedFileIsByteIdentical_data();
    void untouchedFileIsByteIdentical();
};

void tst_IniFile::readsLikeAPrivateProfile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("plain CRLF") << QByteArray("[Main]\r\nType=ZEV001\r\n") << QByteArray("Type")
                                << true << QByteArray("ZEV001");
    QTest::newRow("names in another case") << QByteArray("[mAIN]\nTYPE=ZEV001\n")
                                           << QByteArray("type") << true << QByteArray("ZEV001");
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ Main ]  \n\t Type \t=  ZEV001 \t\r\n") << QByteArray("Type") << true
        << QByteArray("ZEV001");
    QTest::newRow("first key wins")
        << QByteArray("[Main]\nA=1\na=2\n") << QByteArray("A") << true << QByteArray("1");
    QTest::newRow("first section wins") << QByteArray("[Main]\nA=1\n[main]\nA=2\nB=3\n")
                                        << QByteArray("B") << false << QByteArray();
    QTest::newRow("other sections around")
        << QByteArray("[Other]\nA=9\n\n[Main]\n; note\nA=1\n[Last]\nA=8\n") << QByteArray("A")
        << true << QByteArray("1");
    QTest::newRow("key before any section")
        << QByteArray("A=5\n[Main]\n") << QByteArray("A") << false << QByteArray();
    QTest::newRow("commented out")
        << QByteArray("[Main]\n ;A=5\n") << QByteArray("A") << false << QByteArray();
    QTest::newRow("line without '='")
        << QByteArray("[Main]\nA\n") << QByteArray("A") << false << QByteArray();
    QTest::newRow("section missing")
        << QByteArray("[Other]\nA=1\n") << QByteArray("A") << false << QByteArray();
    QTest::newRow("empty value") << QByteArray("[Main]\nA=  \n") << QByteArray("A") << true
                                 << QByteArray();
    QTest::newRow("quoted value") << QByteArray("[Main]\nA=\"12\"\n") << QByteArray("A") << true
                                  << QByteArray("12");
    QTest::newRow("unmatched quotes kept")
        << QByteArray("[Main]\nA='12\"\n") << QByteArray("A") << true << QByteArray("'12\"");
    QTest::newRow("'=' inside the value")
        << QByteArray("[Main]\nA = b=c\n") << QByteArray("A") << true << QByteArray("b=c");
    QTest::newRow("NUL ends the value")
        << QByteArray("[Main]\nA=12\0junk\n", 17) << QByteArray("A") << true << QByteArray("12");
    QTest::newRow("UTF-8 byte order mark")
        << QByteArray("\xEF\xBB\xBF[Main]\nA=1\n") << QByteArray("A") << true << QByteArray("1");
    QTest::newRow("no final line end")
        << QByteArray("[Main]\r\nA=7") << QByteArray("A") << true << QByteArray("7");
}

void tst_IniFile::readsLikeAPrivateProfile()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);

    const std::optional<QByteArray> read = IniFile(file).value("Main", key);
    QCOMPARE(read.has_value(), found);
    if (found) {
        QCOMPARE(*read, value);
    }
}

void tst_IniFile::writesInPlaceAndKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("writes"); // "section|key|value"
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file: CRLF, keys in order")
        << QByteArray() << QStringList{"Main|Type|ZEV001", "Main|A|1"}
        << QByteArray("[Main]\r\nType=ZEV001\r\nA=1\r\n");
    QTest::newRow("overwritten in place, spelling and spacing kept")
        << QByteArray("; made by hand\r\n[main]\r\ntype =  old \r\nX=1\r\n")
        << QStringList{"Main|TYPE|ZEV001"}
        << QByteArray("; made by hand\r\n[main]\r\ntype =  ZEV001\r\nX=1\r\n");
    QTest::newRow("new key after the last line of its section, blank lines kept")
        << QByteArray("[Main]\nA=1\n; end of main\n\n\n[Other]\nB=2\n") << QStringList{"Main|C|3"}
        << QByteArray("[Main]\nA=1\n; end of main\nC=3\n\n\n[Other]\nB=2\n");
    QTest::newRow("missing section appended, LF kept")
        << QByteArray("[Other]\nB=2\n") << QStringList{"Main|A|1", "Main|B|5"}
        << QByteArray("[Other]\nB=2\n\n[Main]\nA=1\nB=5\n");
    QTest::newRow("last line without line end")
        << QByteArray("[Main]\nA=1") << QStringList{"Main|B|2"} << QByteArray("[Main]\nA=1\nB=2\n");
    QTest::newRow("only the first of duplicate keys is overwritten")
        << QByteArray("[Main]\r\nA=1\r\na=2\r\n") << QStringList{"Main|A|9", "Main|A|8"}
        << QByteArray("[Main]\r\nA=8\r\na=2\r\n");
    QTest::newRow("each line keeps its own line end")
        << QByteArray("[Main]\r\nA=1\nB=2\r\n") << QStringList{"Main|A|5", "Main|C|3"}
        << QByteArray("[Main]\r\nA=5\nB=2\r\nC=3\r\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[Main]\nA=1\n") << QStringList{"Main|A|2"}
        << QByteArray("\xEF\xBB\xBF[Main]\nA=2\n");
    QTest::newRow("text before the first section kept")
        << QByteArray("A=0\n") << QStringList{"Main|A|1"} << QByteArray("A=0\n\n[Main]\nA=1\n");
}

void tst_IniFile::writesInPlaceAndKeepsTheRest()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, expected);

    IniFile ini(file);
    for (const QString& write : writes) {
        const QStringList parts = write.split(u'|');
        ini.setValue(parts[0].toLatin1(), parts[1].toLatin1(), parts[2].toLatin1());
    }
    QCOMPARE(ini.toBytes(), expected);
    // What was written reads back, also from the bytes as they will be on disk.
    const QStringList last = writes.last().split(u'|');
    QCOMPARE(IniFile(ini.toBytes()).value(last[0].toLatin1(), last[1].toLatin1()),
             std::optional<QByteArray>(last[2].toLatin1()));
}

void tst_IniFile::untouchedFileIsByteIdentical_data()
{
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank lines only") << QByteArray("\n\r\n \t\n");
    QTest::newRow("carriage returns alone") << QByteArray("[Main]\rA=1\r\r\n");
    QTest::newRow("mixed sections and comments")
        << QByteArray("\xEF\xBB\xBF;c\n[Main]\r\nA = 1 \r\n[]\n=x\n[Main\nB");
    QByteArray binary(4096, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& c : binary) {
        c = char(random.bounded(256));
    }
    QTest::newRow("binary") << binary;
}

void tst_IniFile::untouchedFileIsByteIdentical()
{
    QFETCH(QByteArray, file);
    QCOMPARE(IniFile(file).toBytes(), file);
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
