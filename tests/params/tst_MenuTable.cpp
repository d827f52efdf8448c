#include "MenuTable.h"
#include "ParamBlocks.h"

#include <QTest>

class tst_MenuTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sectionsAndEntriesCoverThePerModeBlocks()
    {
        const MenuTable& table = MenuTable::instance();
        QCOMPARE(table.rows().size(), 93);
        QCOMPARE(table.sectionStarts(), (QList<int>{0, 17, 27, 46, 57, 64, 69, 74, 81, 86}));
        QList<int> addresses;
        for (const MenuTable::Row& row : table.rows()) {
            if (!row.isHeader()) {
                addresses.append(row.address);
            }
        }
        QList<int> blocks;
        for (int block = 0; block < 3; ++block) {
            for (int a = ParamBlocks[block].base;
                 a < ParamBlocks[block].base + ParamBlocks[block].size; ++a) {
                blocks.append(a);
            }
        }
        std::sort(addresses.begin(), addresses.end());
        QCOMPARE(addresses, blocks);
        // Where the list order differs from the address order.
        QCOMPARE(table.rows()[1].label, QStringLiteral("话筒1-2音量"));
        QCOMPARE(table.rows()[1].address, 0x40);
        QCOMPARE(table.rows()[58].address, 0x87);
        QCOMPARE(table.rows()[92].label, QStringLiteral("残响时间"));
        QCOMPARE(table.rows()[92].address, 0x85);
        QCOMPARE(table.rows()[64].label, QStringLiteral("--------- 环绕（辅助）均衡 ---------"));
        QCOMPARE(table.headerOf(63), 57);
        QCOMPARE(table.sectionEnd(86), 93);
    }
};

QTEST_GUILESS_MAIN(tst_MenuTable)
#include "tst_MenuTable.moc"
