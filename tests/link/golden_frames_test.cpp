// Frames written out byte for byte, checksums included. The checksum bytes were
// worked out apart from the program (CRC-16 with the reflected polynomial 0xA001,
// initial value 0xFFFF, low byte first), so a fault shared by the engine and the
// simulator still shows here.
#include "crc/crc16.h"
#include "link/hgcbox.h"

#include "support/engine_settings.h"
#include "support/fake_line.h"
#include "support/frames.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}

class GoldenFrames : public ::testing::Test {
protected:
    void SetUp() override
    {
        changeSettings(engine, [](ExchangeSettings& settings) {
            settings.openPerRequest = false;
            settings.attempts = 1;
            settings.answerTimeoutMs = 200;
            settings.bitRate = 115200;
            const QByteArray password = QByteArray("222222").leftJustified(12, ' ');
            std::copy(password.begin(), password.end(), settings.credentials.password.begin());
            const QByteArray code("0002");
            std::copy(code.begin(), code.end(), settings.credentials.userCode.begin());
        });
        engine.setTransport(line.connect());
    }

    FakeLine line;
    hgcbox engine{1};
};

// "222222" blank-padded to twelve bytes, then the user code "0002".
const QByteArray Credentials = hex("323232323232202020202020 30303032");

// Blanks in the literals part start, header, body and checksum; fromHex skips them.
struct GoldenRequest {
    const char* what;
    std::uint8_t address;
    std::uint8_t preambles;
    std::uint8_t code;
    QByteArray data;
    QByteArray wire;
};

const GoldenRequest Requests[] = {
    {"read table 0, fields 0 to 17", 1, 0, 1, hex("000012"), hex("cc010a01 00 000012 e1a9")},
    {"read from any address", 0xFF, 0, 1, hex("000012"), hex("ccff0a01 00 000012 fe66")},
    {"read after five preambles", 1, 5, 1, hex("000012"), hex("ffffffffff cc010a01 00 000012 e1a9")},
    {"write two fields of table 22", 1, 0, 2, hex("160102 00002041 00002042"),
     hex("cc012202") + Credentials + hex("00 160102 00002041 00002042 18b1")},
    {"clock correction", 1, 0, 12, hex("5802"), hex("cc01180c") + Credentials + hex("5802 f294")},
    {"log by index", 1, 0, 7, hex("0b000064000000"), hex("cc010d07 0b000064000000 28f4")},
    {"log by period", 1, 0, 8, hex("0b0000 180501000000 180501173b3b"),
     hex("cc011508 0b0000 180501000000 180501173b3b 4427")},
    {"5-minute archive", 1, 0, 14, hex("030000 1805010c00 1805010c3b"),
     hex("cc01130e 030000 1805010c00 1805010c3b fae1")},
    {"hour archive", 1, 0, 15, hex("030000 18050100 18050117"), hex("cc01110f 030000 18050100 18050117 a82e")},
    {"day archive", 1, 0, 16, hex("030000 180501 180501"), hex("cc010f10 030000 180501 180501 4727")},
    {"reset", 1, 0, 25, {}, hex("cc011619") + Credentials + hex("9ff3")},
};

struct GoldenAnswer {
    const char* what;
    std::uint8_t requestAddress;
    std::uint8_t code;
    QByteArray data;
    QByteArray answer;
    int status;
    const char* message;
    std::uint8_t addressAfter;
};

const GoldenAnswer Answers[] = {
    {"read answer", 1, 1, hex("000004"), hex("33010e81 00 000004 00490204 09ac"), 0, "Команда 1.  Команда выполнена",
     1},
    {"write answer", 1, 2, hex("160102 00002041 00002042"), hex("33010a82 00 160102 0aeb"), 0,
     "Команда 2.  Команда выполнена", 1},
    {"answer from address 5 to any address", 0xFF, 1, hex("000004"), hex("33050e81 00 000004 00490204 1c9c"), 0,
     "Команда 1.  Команда выполнена", 5},
    {"error reply: no such table", 1, 1, hex("090001"), hex("33010701 09 51af"), 8, "Команда 1.  Нет такой таблицы", 1},
    {"error reply with an unknown code", 1, 1, hex("090001"), hex("33010701 46 105b"), 8, "Команда 1.  Код ошибки = 70",
     1},
    {"error 60 to a read", 1, 1, hex("070001"), hex("33010901 3c0007 45e1"), 8, "Команда 1.  Разрушена таблица 7", 1},
    {"error 60 to a write", 1, 2, hex("070001 00"), hex("33010902 3c0007 45a5"), 8, "Команда 2.  Разрушена таблица 7",
     1},
    {"error reply with its checksum bytes swapped", 1, 1, hex("090001"), hex("33010701 09 af51"), 7,
     "Команда 1.  Несовпадение КС ответа контроллера", 1},
    // Frames too short for their kind: the checksum is not read as an error code or a table number.
    {"error reply without its code", 1, 1, hex("090001"), hex("33010601 9cc0"), 5,
     "Команда 1.  Ответ получен не полностью (превышено время между байтами)", 1},
    {"error 60 without the table's number", 1, 1, hex("070001"), hex("33010801 3c00 7ab8"), 5,
     "Команда 1.  Ответ получен не полностью (превышено время между байтами)", 1},
    {"error reply without its code, checksum bytes swapped", 1, 1, hex("090001"), hex("33010601 c09c"), 7,
     "Команда 1.  Несовпадение КС ответа контроллера", 1},
    {"error reply without its code from address 5 to any address", 0xFF, 1, hex("000004"), hex("33050601 dd01"), 5,
     "Команда 1.  Ответ получен не полностью (превышено время между байтами)", 0xFF},
};

} // namespace

TEST_F(GoldenFrames, RequestsGoOnTheWireAsWrittenOut)
{
    for (const GoldenRequest& row : Requests) {
        SCOPED_TRACE(row.what);
        changeSettings(engine, [&row](ExchangeSettings& settings) {
            settings.address = row.address;
            settings.preambles = row.preambles;
        });
        const std::uint8_t answerFrom = row.address == 0xFF ? 1 : row.address;
        line.answer(TestFrames::answer(answerFrom, static_cast<std::uint8_t>(row.code | 0x80), {}));
        EXPECT_TRUE(engine.request(row.code, row.data)) << engine.errorMessage().toStdString();
        ASSERT_FALSE(line.writes().isEmpty());
        EXPECT_EQ(line.writes().last().toHex(), row.wire.toHex());
    }
}

TEST_F(GoldenFrames, AnswersAreTakenAsWrittenOut)
{
    for (const GoldenAnswer& row : Answers) {
        SCOPED_TRACE(row.what);
        changeSettings(engine, [&row](ExchangeSettings& settings) { settings.address = row.requestAddress; });
        line.answer(row.answer);
        EXPECT_EQ(engine.request(row.code, row.data), row.status == 0);
        EXPECT_EQ(exchangeStatusCode(engine.status()), row.status);
        EXPECT_EQ(engine.errorMessage(), QString::fromUtf8(row.message));
        EXPECT_EQ(engine.address(), row.addressAfter);
        const QByteArray taken(reinterpret_cast<const char*>(engine.answerFrame().data()), row.answer.size());
        EXPECT_EQ(taken.toHex(), row.answer.toHex());
    }
}

TEST(GoldenChecksum, TheCheckValueOfTheNineDigitsIsSentLowByteFirst)
{
    EXPECT_EQ(crc16(QByteArrayView("123456789")), 0x4B37);
    // The receiver's rule: the data with its checksum appended checks to zero.
    EXPECT_EQ(crc16(hex("313233343536373839 374b")), 0);
    EXPECT_NE(crc16(hex("313233343536373839 4b37")), 0);
}
