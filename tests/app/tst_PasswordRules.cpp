#include "PasswordRules.h"

#include <QTest>

// The password dialog's own tests go through every message; here, the characters a new password
// may hold, and those that match the processor's.
class tst_PasswordRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyPrintableAsciiIsStoredButAnyByteMatched_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("storable");
        QTest::addColumn<bool>("matched"); // by a processor holding the same codes
        QTest::newRow("space to tilde") << QStringLiteral(" !09AZaz~") << true << true;
        QTest::newRow("é: outside ASCII") << QStringLiteral("Abc123xy\u00e9") << false << true;
        QTest::newRow("0xFF: taken out by the receiver")
            << QStringLiteral("Abc123xy\u00ff") << false << true;
        QTest::newRow("a control character") << QStringLiteral("Abc123xy\u007f") << false << true;
        QTest::newRow("Chinese: no byte") << QStringLiteral("Abc123xy\u4e2d") << false << false;
    }

    void onlyPrintableAsciiIsStoredButAnyByteMatched()
    {
        QFETCH(QString, typed);
        QFETCH(bool, storable);
        QFETCH(bool, matched);
        QCOMPARE(!PasswordRules::checkNew(typed, typed).has_value(), storable);
        // A password set elsewhere is taken as the processor has it.
        ParamModel::DevicePassword password{};
        for (int i = 0; i < 9; ++i) {
            password[i] = quint8(typed[i].unicode());
        }
        QCOMPARE(PasswordRules::matches(typed, password), matched);
        if (storable) {
            QCOMPARE(PasswordRules::bytes(typed), password);
        }
    }
};

QTEST_GUILESS_MAIN(tst_PasswordRules)
#include "tst_PasswordRules.moc"
