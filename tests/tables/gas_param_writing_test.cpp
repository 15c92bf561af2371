#include "tables/gas_param_writing.h"

#include <gtest/gtest.h>

namespace {

const InputProblem NotAllEntered{QStringLiteral("Введены не все параметры"), {}};

} // namespace

TEST(GasParamWriting, TheDefaultsReadAsTheirItemsAndWriteBackUnchanged)
{
    const QByteArray defaults = defaultGasParamWritingTable();
    EXPECT_EQ(defaults, QByteArray::fromHex("0000000000000001000100000100000000000000"));
    const GasParamWritingChoices choices = gasParamWritingChoices(defaults);
    EXPECT_EQ(gasParamWritingItems(), (QStringList{" Не записывать ", " Записывать"}));
    EXPECT_EQ(gasParamWritingItems()[choices[12]], " Записывать");
    EXPECT_EQ(choices[8], 0);

    QByteArray table = defaults;
    EXPECT_EQ(applyGasParamWriting(choices, table), std::nullopt);
    EXPECT_EQ(table, defaults);
}

TEST(GasParamWriting, AByteNoItemStandsForMustBeChosenBeforeAccepting)
{
    QByteArray stored = defaultGasParamWritingTable();
    stored[3] = 2;
    stored[19] = static_cast<char>(0xFF);
    GasParamWritingChoices choices = gasParamWritingChoices(stored);
    EXPECT_EQ(choices[3], -1);
    EXPECT_EQ(choices[19], -1);

    choices[0] = 1;
    QByteArray table = stored;
    EXPECT_EQ(applyGasParamWriting(choices, table), NotAllEntered);
    EXPECT_EQ(table, stored) << "nothing stored";

    choices[3] = 1;
    choices[19] = 0;
    EXPECT_EQ(applyGasParamWriting(choices, table), std::nullopt);
    QByteArray expected = stored;
    expected[0] = 1;
    expected[3] = 1;
    expected[19] = 0;
    EXPECT_EQ(table, expected);
}

TEST(GasParamWriting, TheUnusedFieldsShowNotWrittenAndKeepTheirBytes)
{
    QByteArray stored = defaultGasParamWritingTable();
    stored[15] = 1;
    stored[16] = 7;
    GasParamWritingChoices choices = gasParamWritingChoices(stored);
    EXPECT_EQ(choices[15], 0);
    EXPECT_EQ(choices[16], 0);

    choices[15] = -1;
    choices[16] = 1;
    QByteArray table = stored;
    EXPECT_EQ(applyGasParamWriting(choices, table), std::nullopt);
    EXPECT_EQ(table, stored);
}
