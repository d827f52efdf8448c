#include "FramePayload.h"
#include "ParamModel.h"

#include <QTest>

namespace {

// The frame a SendFrame call sends; an address outside 0..255 cannot even be asked for.
std::optional<QByteArray> build(int type, int mode, int address, int value, const ParamModel& model)
{
    if (address < 0 || address > 255) {
        return std::nullopt;
    }
    return FramePayload::frame(Frames::Type(type), mode, ParamAddress(address), value, model);
}

std::optional<QByteArray> build(Frames::Type type, int mode, int address, int value,
                                const ParamModel& model)
{
    return build(int(type), mode, address, value, model);
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class tst_Frames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_model.InitDefaults(ParamModel::FactoryReset); }

    void builtFrames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("frame");

        QTest::newRow("handshake") << 15 << 0 << 0 << 0x33 << hex("FEF00033002344");
        QTest::newRow("parameter write 0x50 to 0x40")
            << 0 << 0 << 0x40 << 0x50 << hex("FE00405000008E");
        QTest::newRow("mode select 3") << 4 << 3 << 0 << 0 << hex("FE430000000041");
        QTest::newRow("block read 0xC0") << 1 << 0 << 0xC0 << 0 << hex("FE10C0000000CE");
        QTest::newRow("password read") << 7 << 0 << 0 << 0 << hex("FE70000000006E");
        QTest::newRow("sum 0xFF gets checksum 0") << 0 << 0 << 0x01 << 0 << hex("FE000100000000");
        QTest::newRow("sum 0xFE gets checksum 0") << 0 << 0 << 0x00 << 0 << hex("FE000000000000");
        QTest::newRow("sum 0xFD gets checksum 0")
            << 15 << 0 << 0x00 << 0xEC << hex("FEF000EC002300");
        QTest::newRow("sum 0xFC is kept") << 0 << 0 << 0xFE << 0 << hex("FE00FE000000FC");
        // 0xFF takes the three stored bytes: music band 1 is 19, 75, 14 (0x13, 0x4B, 0x0E).
        QTest::newRow("stored bytes of a band") << 0 << 2 << 0x03 << 0xFF << hex("FE0203134B0E6F");
        QTest::newRow("data bytes of 0xFD..0xFF go out unchanged")
            << 0 << 0 << 0x10 << 0xFE << hex("FE0010FE00000C");
        QTest::newRow("upload end") << 3 << 0 << 0 << 0 << hex("FE30000000002E");
    }

    void builtFrames()
    {
        QFETCH(int, type);
        QFETCH(int, mode);
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(QByteArray, frame);
        const auto built = build(type, mode, address, value, m_model);
        QVERIFY(built);
        QCOMPARE(Frames::hexText(*built), Frames::hexText(frame));
    }

    void lengthsOfEveryType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("frameLength");
        QTest::addColumn<int>("replyLength");

        for (int type : {0, 3, 4, 9, 10, 11, 12, 13, 14, 15}) {
            QTest::addRow("type %d", type) << type << 0 << 7 << 4;
        }
        QTest::newRow("block read 0x00") << 1 << 0x00 << 7 << 124;
        QTest::newRow("block read 0x40") << 1 << 0x40 << 7 << 91;
        QTest::newRow("block read 0x80") << 1 << 0x80 << 7 << 37;
        QTest::newRow("block read 0xC0") << 1 << 0xC0 << 7 << 49;
        QTest::newRow("menu-show read 0x40") << 5 << 0x40 << 7 << 91;
        QTest::newRow("block write 0x00") << 2 << 0x00 << 128 << 4;
        QTest::newRow("block write 0x40") << 2 << 0x40 << 95 << 4;
        QTest::newRow("block write 0x80") << 2 << 0x80 << 41 << 4;
        QTest::newRow("block write 0xC0") << 2 << 0xC0 << 53 << 4;
        QTest::newRow("menu-show write 0x00") << 6 << 0x00 << 128 << 4;
        QTest::newRow("password read") << 7 << 0 << 7 << 10;
        QTest::newRow("password write") << 8 << 0 << 14 << 4;
    }

    void lengthsOfEveryType()
    {
        QFETCH(int, type);
        QFETCH(int, address);
        const auto frame = build(type, 0, address, 0, m_model);
        QVERIFY(frame);
        QTEST(int(frame->size()), "frameLength");
        QCOMPARE(quint8(frame->back()), Frames::checksum(frame->first(frame->size() - 1)));
        QTEST(*FramePayload::replyLength(Frames::Type(type), ParamAddress(address)), "replyLength");
        // A block length byte always tells the whole frame's length.
        if (Frames::isBlockType(Frames::Type(type)) ||
            Frames::Type(type) == Frames::Type::PasswordWrite) {
            QCOMPARE(int(quint8((*frame)[3])), int(frame->size()));
        }
    }

    void blockFramesCarryTheirData()
    {
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        model.menuShow()[0x81] = 1;
        const QByteArray menu = *build(Frames::Type::MenuShowWrite, 0, 0x80, 0, model);
        QCOMPARE(menu.mid(4, 6), hex("002323012323"));

        const QByteArray block = *build(Frames::Type::BlockWrite, 5, 0x00, 0, model);
        QCOMPARE(quint8(block[1]), quint8(0x25));
        QCOMPARE(block.mid(4, 3), hex("500000"));  // 0x00: balance 80
        QCOMPARE(block.mid(13, 3), hex("134B0E")); // 0x03: music band 1
    }

    void passwordFrameCarriesTheNineBytes()
    {
        ParamModel model;
        const QByteArray password("ABCDEFGHI");
        std::copy(password.begin(), password.end(), model.password().begin());
        const QByteArray frame = *build(Frames::Type::PasswordWrite, 3, 9, 9, model);
        QCOMPARE(frame.left(4), hex("FE80000E"));
        QCOMPARE(frame.mid(4, 9), password);
    }

    void invalidRequestsBuildNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");

        QTest::newRow("type 16") << 16 << 0 << 0 << 0;
        QTest::newRow("mode 8") << 0 << 8 << 0 << 0;
        QTest::newRow("address 256") << 0 << 0 << 256 << 0;
        QTest::newRow("value 256") << 0 << 0 << 0 << 256;
        QTest::newRow("negative value") << 0 << 0 << 0 << -1;
        QTest::newRow("block write off a base") << 2 << 0 << 0x41 << 0;
        QTest::newRow("menu-show write off a base") << 6 << 0 << 0x90 << 0;
    }

    void invalidRequestsBuildNothing()
    {
        QFETCH(int, type);
        QFETCH(int, mode);
        QFETCH(int, address);
        QFETCH(int, value);
        QVERIFY(!build(type, mode, address, value, m_model));
    }

    void payloadsThatDoNotFitBuildNothing_data()
    {
        QTest::addColumn<Frames::Type>("type");
        QTest::addColumn<int>("payloadLength");

        QTest::newRow("single frame, two bytes") << Frames::Type::ParamWrite << 2;
        QTest::newRow("single frame, four bytes") << Frames::Type::Handshake << 4;
        QTest::newRow("block, no bytes") << Frames::Type::BlockWrite << 0;
        QTest::newRow("block, not three per address") << Frames::Type::MenuShowWrite << 31;
        QTest::newRow("block longer than its length byte") << Frames::Type::BlockWrite << 252;
        QTest::newRow("password, eight bytes") << Frames::Type::PasswordWrite << 8;
    }

    void payloadsThatDoNotFitBuildNothing()
    {
        QFETCH(Frames::Type, type);
        QFETCH(int, payloadLength);
        QVERIFY(!Frames::build(type, 0, ParamAddress(0), QByteArray(payloadLength, '\x01')));
    }

    void blockReadOffABaseCannotBeAnswered()
    {
        QVERIFY(!FramePayload::replyLength(Frames::Type::BlockRead, ParamAddress(0x41)));
        QVERIFY(!FramePayload::replyLength(Frames::Type::MenuShowRead, ParamAddress(0xC1)));
    }

private:
    ParamModel m_model;
};

QTEST_GUILESS_MAIN(tst_Frames)
#include "tst_Frames.moc"
