#include "tables/config_file.h"

#include <gtest/gtest.h>

namespace {

constexpr int FirstPasswordByte = 403;

QByteArray fileBytes(const ConfigRecord& record = {})
{
    return ConfigFile::bytes(record);
}

InputProblem refusal(const QByteArray& bytes)
{
    const auto parsed = ConfigFile::parse(bytes, QStringLiteral("a.cnf"));
    const auto* problem = std::get_if<InputProblem>(&parsed);
    return problem ? *problem : InputProblem{QStringLiteral("(taken)"), {}};
}

TEST(ConfigFile, PasswordBytesAreStoredAsFourLessTheByteAndComeBackPlain)
{
    ConfigRecord record;
    std::vector<FlowComputer> computers(16);
    for (int i = 0; i < 16; ++i) {
        computers[i].address = static_cast<std::uint8_t>(i + 1);
        computers[i].password.fill(static_cast<std::uint8_t>(i));
    }
    computers[0].password[0] = 0x05;
    computers[0].password[1] = 0x04;
    record.setFlowComputers(computers);
    const QByteArray bytes = fileBytes(record);
    ASSERT_EQ(bytes.size(), 2601);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[FirstPasswordByte]), 0xFF);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[FirstPasswordByte + 1]), 0x00);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[FirstPasswordByte + 20 * 15 + 15]), 4 - 15 + 256)
        << "the last byte of the last record";
    EXPECT_EQ(bytes[FirstPasswordByte - 4], 1) << "the address is not scrambled";

    const auto parsed = ConfigFile::parse(bytes, QStringLiteral("a.cnf"));
    ASSERT_TRUE(std::holds_alternative<ConfigRecord>(parsed));
    EXPECT_EQ(std::get<ConfigRecord>(parsed), record) << "saved and loaded, byte for byte";
}

TEST(ConfigFile, AFileOfTheLayoutMadeElsewhereOpensWithItsUnusedBytesKept)
{
    QByteArray bytes(2601, '\0');
    bytes[0] = 1;
    bytes[2] = 73;
    bytes[4] = 4;
    bytes.replace(29, 20, "GRS-1               ");
    bytes[399] = 7;                                         // flow computer 1's address
    bytes.replace(403, 4, QByteArray::fromHex("d1d0cfce")); // "3456" scrambled
    for (int j = 4; j < 16; ++j)
        bytes[403 + j] = static_cast<char>(4 - ' ');
    bytes[2393] = 1;
    bytes[2000 + 600] = 0x5A; // the last byte, used by no table
    const auto parsed = ConfigFile::parse(bytes, QStringLiteral("st.cnf"));
    ASSERT_TRUE(std::holds_alternative<ConfigRecord>(parsed));
    const ConfigRecord& record = std::get<ConfigRecord>(parsed);
    EXPECT_TRUE(record.readFromController());
    ASSERT_EQ(record.flowComputers().size(), 1u);
    EXPECT_EQ(record.flowComputers()[0].address, 7);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record.flowComputers()[0].password.data()), 16),
              QByteArray("3456            "));
    EXPECT_EQ(record.bytes()[2600], 0x5A);
    EXPECT_EQ(fileBytes(record), bytes) << "written back unchanged";
}

TEST(ConfigFile, AFileThatIsNotAConfigurationIsRefusedInItsWords)
{
    const InputProblem notOurs{QStringLiteral("Файл a.cnf не является файлом конфигурации"),
                               QStringLiteral("контроллера ККГ_04")};
    EXPECT_EQ(refusal(fileBytes().left(2600)), notOurs) << "short";
    EXPECT_EQ(refusal(QByteArray()), notOurs) << "empty";
    EXPECT_EQ(refusal(fileBytes() + '\0'), notOurs) << "long";
    QByteArray otherType = fileBytes();
    otherType[2] = 72;
    EXPECT_EQ(refusal(otherType), notOurs);
    QByteArray noFlowComputer = fileBytes();
    noFlowComputer[2393] = 0;
    EXPECT_EQ(refusal(noFlowComputer), notOurs);
    QByteArray seventeen = fileBytes();
    seventeen[2393] = 17;
    EXPECT_EQ(refusal(seventeen), notOurs);

    QByteArray unconfigured = fileBytes();
    unconfigured[4] = 14;
    EXPECT_EQ(refusal(unconfigured), (InputProblem{QStringLiteral("Файл параметров конфигурации a.cnf подготовлен"),
                                                   QStringLiteral("для контроллера ККГ с версией ПО 14")}));
}

TEST(ConfigFile, TheProposedNameIsMadeOfTheVersionTheNameAndTheMoment)
{
    ConfigRecord record;
    record.setName(QStringLiteral("  ГРС Южная "));
    const QDateTime moment(QDate(2026, 3, 7), QTime(9, 5, 59));
    EXPECT_EQ(ConfigFile::proposedName(record, moment), "gqc_04-ГРС Южная-2603070905.cnf");
    record.setName(QStringLiteral("../a\\b:c"));
    EXPECT_EQ(ConfigFile::proposedName(record, moment), "gqc_04-__a_b_c-2603070905.cnf")
        << "nothing of the name reaches outside the folder";
}

} // namespace
