#include "support/flow_computer_records.h"
#include "tables/config_record.h"
#include "tables/user_record.h"

#include <gtest/gtest.h>

namespace {

// Offsets of the file layout, as a configuration file from a station holds them.
constexpr int NameAt = 29;
constexpr int SystemParametersAt = 173;
constexpr int ChromatographPortAt = 283;
constexpr int MoistureMeterPortAt = 341;
constexpr int FlowComputersAt = 399;
constexpr int GasParamWritingAt = 819;
constexpr int UpperWarningAt = 939 + 2 * 180;
constexpr int HourlyMeanPeriodAt = 1839;
constexpr int UsersAt = 1941;
constexpr int FlowComputerPortAt = 2393;

QByteArray bytesAt(const ConfigRecord& record, int offset, int length)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()) + offset, length);
}

void putUser(ConfigRecord& record, int slot, const char* name, std::uint8_t level, const char* code)
{
    UserRecord user;
    user.setName(QString::fromUtf8(name));
    user.setLevel(level);
    user.setPassword(QStringLiteral("123456"));
    user.setCode(QString::fromUtf8(code));
    std::ranges::copy(user.bytes(), record.table(4).begin() + slot * UserRecord::size);
}

// A configuration that passes every check: one manufacturer-adjuster, two flow computers.
ConfigRecord validRecord()
{
    ConfigRecord record;
    putUser(record, 0, "MAN", UserRecord::Manufacturer, "0001");
    putUser(record, 3, "OPER", UserRecord::Operator, "0004");
    record.setFlowComputers({blankPasswordComputer(5), blankPasswordComputer(6, 1, 0x01)});
    return record;
}

TEST(ConfigRecord, ANewRecordHoldsTheDefaultsOfEveryTableAtItsPlace)
{
    const ConfigRecord record;
    EXPECT_FALSE(record.readFromController());
    EXPECT_EQ(record.bytes()[2], 73) << "controller type";
    EXPECT_EQ(record.bytes()[4], 4) << "software version";
    EXPECT_EQ(bytesAt(record, NameAt, 20), QByteArray(20, ' '));
    EXPECT_EQ(bytesAt(record, 69, 4), QByteArray::fromHex("010b0300"));
    EXPECT_EQ(bytesAt(record, SystemParametersAt, 10), QByteArray::fromHex("03c9030ac90409010100"));
    EXPECT_EQ(bytesAt(record, ChromatographPortAt, 8), QByteArray::fromHex("010b000096050200"));
    EXPECT_EQ(bytesAt(record, MoistureMeterPortAt, 8), QByteArray::fromHex("010b000096050000"));
    EXPECT_EQ(bytesAt(record, FlowComputerPortAt, 8), QByteArray::fromHex("010b051403010001"));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bytesAt(record, FlowComputersAt + 20 * i, 4), QByteArray(4, '\0')) << i;
        EXPECT_EQ(bytesAt(record, FlowComputersAt + 20 * i + 4, 16), QByteArray(16, ' ')) << i;
    }
    const QByteArray freeSlot = QByteArray("    ") + QByteArray(2, '\0') + QByteArray(16, ' ');
    EXPECT_EQ(bytesAt(record, UsersAt, 22), freeSlot);
    EXPECT_EQ(bytesAt(record, UsersAt + 15 * 22, 22), freeSlot);
    QByteArray writing(20, '\0');
    writing[7] = writing[9] = writing[12] = 1;
    EXPECT_EQ(bytesAt(record, GasParamWritingAt, 20), writing);
    EXPECT_NE(bytesAt(record, UpperWarningAt, 80), QByteArray(80, '\0')) << "set-points take their defaults";
    EXPECT_EQ(bytesAt(record, UpperWarningAt + 80, 100), QByteArray(100, '\0')) << "the rest of the slot is unused";
    EXPECT_EQ(bytesAt(record, HourlyMeanPeriodAt, 2), QByteArray::fromHex("0100"));
    EXPECT_EQ(bytesAt(record, 1849, 28), QByteArray(28, '\0'));
}

TEST(ConfigRecord, ReadFromAControllerItHasBlankPasswordsInAllSixteenRecords)
{
    ParamImage image;
    image.table(0)[1] = 73;
    image.table(0)[3] = 4;
    image.table(5)[0] = 'K';
    image.table(9)[0] = 3;
    for (int i = 0; i < 16; ++i) {
        image.table(18)[i] = static_cast<std::uint8_t>(10 + i);
        image.table(13)[16 * i] = 'P'; // a password typed earlier must not leak into the file
    }
    image.table(9)[6] = 5; // the gas temperature from a flow computer the count leaves out
    image.table(29)[0] = 192;
    const ConfigRecord record = ConfigRecord::fromImage(image);
    EXPECT_TRUE(record.readFromController());
    EXPECT_EQ(record.bytes()[NameAt], 'K');
    EXPECT_EQ(record.bytes()[1849], 192);
    EXPECT_EQ(record.flowComputerCount(), 3);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bytesAt(record, FlowComputersAt + 20 * i + 4, 16), QByteArray(16, ' ')) << i;
    EXPECT_EQ(record.bytes()[FlowComputersAt + 20 * 2], 12) << "the third flow computer's address";
    EXPECT_EQ(record.bytes()[FlowComputersAt + 20 * 3], 0) << "only the counted ones are taken";
    EXPECT_EQ(record.table(9)[6], 5) << "table 9 as the controller holds it";
}

TEST(ConfigRecord, TheNameTakesTwentyBlankPaddedBytes)
{
    ConfigRecord record;
    record.setName(QStringLiteral("ГРС Южная"));
    EXPECT_EQ(record.name(), "ГРС Южная");
    EXPECT_EQ(bytesAt(record, NameAt + 9, 11), QByteArray(11, ' '));
    record.setName(QStringLiteral("123456789012345678901234"));
    EXPECT_EQ(record.name(), "12345678901234567890");
    EXPECT_EQ(record.bytes()[NameAt + 20], 0) << "nothing beyond the name's 20 bytes";
}

TEST(ConfigRecord, FewerFlowComputersKeepTheGasTemperatureOnACountedOne)
{
    ConfigRecord record;
    record.setFlowComputers({blankPasswordComputer(1), blankPasswordComputer(2), blankPasswordComputer(3)});
    record.table(9)[6] = 2;
    record.setFlowComputers({blankPasswordComputer(1), blankPasswordComputer(2)});
    EXPECT_EQ(record.flowComputerCount(), 2);
    EXPECT_EQ(record.table(9)[6], 0);
}

// Each refusal, its words, and the image left as it was.
struct Refusal {
    const char* what;
    void (*spoil)(ConfigRecord&);
    const char* line1;
    const char* line2;
};

const Refusal Refusals[] = {
    {"no manufacturer", [](ConfigRecord& r) { r.table(4)[4] = UserRecord::Administrator; },
     "В списке зарегистрированных пользователей", "не зарегистрирован производитель-наладчик"},
    {"two manufacturers", [](ConfigRecord& r) { r.table(4)[3 * 22 + 4] = UserRecord::Manufacturer; },
     "Может быть зарегистрирован", "только один производитель-наладчик"},
    {"a user without a name", [](ConfigRecord& r) { std::fill_n(r.table(4).begin() + 3 * 22, 4, ' '); },
     "Номер пользователя в таблице: 4.", "Не задано имя пользователя"},
    {"two users with one code",
     [](ConfigRecord& r) { std::ranges::copy(QByteArray("0001"), r.table(4).begin() + 3 * 22 + 18); },
     "Пользователи   1 и 4.", "Совпадение кодов идентификации пользователя"},
    {"a zero chromatograph address", [](ConfigRecord& r) { r.table(14)[0] = 0; }, "Неверно задан адрес хроматографа",
     ""},
    {"a zero moisture-meter address", [](ConfigRecord& r) { r.table(15)[0] = 0; }, "Неверно задан адрес влагомера", ""},
    {"a zero flow-computer address",
     [](ConfigRecord& r) {
         r.setFlowComputers({blankPasswordComputer(5), blankPasswordComputer(0)});
     },
     "Неверно заданы адреса вычислителей РГ", ""},
    {"no flow computer", [](ConfigRecord& r) { r.table(9)[0] = 0; }, "Неверно заданы адреса вычислителей РГ", ""},
    {"seventeen flow computers", [](ConfigRecord& r) { r.table(9)[0] = 17; }, "Неверно заданы адреса вычислителей РГ",
     ""},
    {"address 255",
     [](ConfigRecord& r) {
         r.setFlowComputers({blankPasswordComputer(5), blankPasswordComputer(255)});
     },
     "Вычислитель № 2", "Неверно заданы параметры"},
    {"one address twice",
     [](ConfigRecord& r) {
         r.setFlowComputers({blankPasswordComputer(5), blankPasswordComputer(5)});
     },
     "Повтор адреса 5", ""},
    {"the gas temperature from an uncounted flow computer", [](ConfigRecord& r) { r.table(9)[6] = 2; },
     "Неверно задан индекс вычислителя", "для чтения температуры газа"},
};

TEST(ConfigRecordIntoImage, EachRefusalIsToldInItsWordsAndLeavesTheImageAsItWas)
{
    for (const Refusal& refusal : Refusals) {
        ConfigRecord record = validRecord();
        refusal.spoil(record);
        ParamImage image;
        image.table(5)[0] = 'X';
        const ParamImage before = image;
        const InputCheck problem = copyIntoImage(record, image, true);
        ASSERT_TRUE(problem) << refusal.what;
        EXPECT_EQ(problem->line1, QString::fromUtf8(refusal.line1)) << refusal.what;
        EXPECT_EQ(problem->line2, QString::fromUtf8(refusal.line2)) << refusal.what;
        EXPECT_EQ(image, before) << refusal.what << ": nothing is taken from a refused record";
    }
}

TEST(ConfigRecordIntoImage, TheUsersAreCheckedFirstAndOnlyWhenTheyAreToBeWritten)
{
    ConfigRecord record = validRecord();
    record.table(4)[4] = UserRecord::Administrator; // no manufacturer left
    record.table(14)[0] = 0;
    ParamImage image;
    EXPECT_EQ(copyIntoImage(record, image, true)->line2, "не зарегистрирован производитель-наладчик");
    EXPECT_EQ(copyIntoImage(record, image, false)->line1, "Неверно задан адрес хроматографа");
    record.table(14)[0] = 1;
    EXPECT_FALSE(copyIntoImage(record, image, false));
    EXPECT_EQ(image.table(4)[4], 0) << "the user table stays out of the image";
}

TEST(ConfigRecordIntoImage, AnAcceptedRecordFillsEveryTableItWrites)
{
    ConfigRecord record = validRecord();
    record.setName(QStringLiteral("ГРС"));
    record.table(4)[5 * 22] = 'Z'; // a free slot with a name left in it
    record.table(4)[22 + 5] = 7;   // byte 5 is always written as 0
    record.table(29)[4] = 255;
    std::vector<FlowComputer> computers = record.flowComputers();
    computers[1].password.fill('7');
    record.setFlowComputers(computers);
    ParamImage image;
    ASSERT_FALSE(copyIntoImage(record, image, true));
    EXPECT_EQ(ConfigRecord::fromImage(image).name(), "ГРС");
    EXPECT_EQ(image.table(9)[0], 2);
    EXPECT_EQ(image.table(18)[0], 5);
    EXPECT_EQ(image.table(17)[1], 1);
    EXPECT_EQ(image.table(19)[1], 0x01);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.table(13).data()) + 16, 16), QByteArray(16, '7'));
    EXPECT_EQ(image.table(29)[4], 255);
    EXPECT_EQ(image.table(4)[5 * 22], ' ') << "a free slot is blanked";
    EXPECT_EQ(image.table(4)[22 + 5], 0);
    EXPECT_EQ(image.table(4)[18], '0') << "the manufacturer's code";
    EXPECT_EQ(image.table(3)[1], 11);
    EXPECT_EQ(image.table(21)[7], 1);
    EXPECT_EQ(image.table(28)[0], 1);
    EXPECT_EQ(image.table(0)[1], 0) << "the identification is never written";
}

} // namespace
