#include "RegularFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A file is read whole whatever its size up to the limit, and refused one byte past it, also when
// it says it is empty (as those of /proc do).
class tst_RegularFile : public QObject
{
    Q_OBJECT

    static constexpr qint64 Limit = 1024 * 1024;

private slots:
    void readsUpToTheLimit_data()
    {
        QTest::addColumn<qint64>("size"); // or a file of /proc, which reports no size
        QTest::addColumn<QString>("proc");
        QTest::addColumn<bool>("read");
        QTest::newRow("empty") << qint64(0) << QString() << true;
        QTest::newRow("a page and a byte") << qint64(4097) << QString() << true;
        QTest::newRow("at the limit") << Limit << QString() << true;
        QTest::newRow("a byte past the limit") << Limit + 1 << QString() << false;
        QTest::newRow("reports no size, longer than a page") << qint64(0) << "maps" << true;
    }

    void readsUpToTheLimit()
    {
        QFETCH(qint64, size);
        QFETCH(QString, proc);
        QFETCH(bool, read);
        QTemporaryDir dir;
        QString path = QStringLiteral("/proc/self/") + proc;
        QByteArray bytes;
        if (proc.isEmpty()) {
            path = dir.filePath(QStringLiteral("file"));
            for (qint64 i = 0; i < size; ++i) {
                bytes.append(char('a' + i % 23));
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == size);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
            QVERIFY(!bytes.isEmpty());
        }
        QString error;
        const std::optional<QByteArray> got = RegularFile::read(path, Limit, error);
        QCOMPARE(got.has_value(), read);
        if (proc == QLatin1String("maps")) {
            // Read again, the list may have changed; its first line, the program's, has not.
            QVERIFY(got->size() > 4096 && got->endsWith('\n'));
            QCOMPARE(got->left(got->indexOf('\n')), bytes.left(bytes.indexOf('\n')));
        } else if (read) {
            QCOMPARE(*got, bytes);
        } else {
            QCOMPARE(error, QStringLiteral("it is larger than 1 MB"));
        }
    }
};

QTEST_MAIN(tst_RegularFile)
#include "tst_RegularFile.moc"
