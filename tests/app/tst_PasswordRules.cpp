#include "PasswordRules.h"

#include <QTest>

// The password dialog's own tests go through every message; here, the characters a password may
// hold.
class tst_PasswordRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyPrintableAsciiIsStoredOrMatched_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("storable");
        QTest::newRow("space to tilde") << QStringLiteral(" !09AZaz~") << true;
        QTest::newRow("é: outside ASCII") << QStringLiteral("Abc123xy\u00e9") << false;
        QTest::newRow("0xFF: taken out by the receiver")
            << QStringLiteral("Abc123xy\u00ff") << false;
        QTest::newRow("a control character") << QStringLiteral("Abc123xy\u007f") << false;
        QTest::newRow("Chinese") << QStringLiteral("Abc123xy\u4e2d") << false;
    }

    void onlyPrintableAsciiIsStoredOrMatched()
    {
        QFETCH(QString, typed);
        QFETCH(bool, storable);
        QCOMPARE(!PasswordRules::checkNew(typed, typed).has_value(), storable);
        // A processor holding the same codes (set by another program) is never matched by a
        // character the program would not store.
        ParamModel::DevicePassword password{};
        for (int i = 0; i < 9; ++i) {
            password[i] = quint8(typed[i].unicode());
        }
        QCOMPARE(PasswordRules::matches(typed, password), storable);
        if (storable) {
            QCOMPARE(PasswordRules::bytes(typed), password);
        }
    }
};

QTEST_GUILESS_MAIN(tst_PasswordRules)
#include "tst_PasswordRules.moc"
