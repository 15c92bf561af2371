#include "tables/port_choices.h"
#include "tables/upper_level_port.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A new configuration: address 1, 9600 bit/s, 3 preambles.
const QByteArray NewConfiguration = QByteArray::fromHex("010b0300");

InputCheck applied(const UpperLevelPortFields& fields, QByteArray& table, bool rateEditable = true)
{
    return applyUpperLevelPort(fields, rateEditable, table);
}

Identification controllerWithRates(bool differentRates)
{
    std::array<std::uint8_t, Identification::Size> bytes{};
    bytes[11] = differentRates ? 1 : 0;
    return Identification(bytes);
}

} // namespace

TEST(UpperLevelPort, ChosenRatesStoreTheirCodes)
{
    QByteArray table = NewConfiguration;
    UpperLevelPortFields fields = upperLevelPortFields(table);
    EXPECT_EQ(fields, (UpperLevelPortFields{"1", 11, "3"}));
    EXPECT_EQ(bitRateItems()[fields.bitRate], "9600");

    fields.bitRate = static_cast<int>(bitRateItems().indexOf("230400"));
    fields.address = "254";
    fields.preambles = "0";
    table[3] = 7;
    EXPECT_EQ(applied(fields, table), std::nullopt);
    EXPECT_EQ(table, QByteArray::fromHex("fe150000")) << "the reserved byte is written as 0";
}

TEST(UpperLevelPort, ChecksComeInTheDialogsOrderAndARefusalStoresNothing)
{
    const auto refusal = [](const UpperLevelPortFields& fields) {
        QByteArray table = NewConfiguration;
        const InputCheck problem = applied(fields, table);
        EXPECT_EQ(table, NewConfiguration) << "nothing stored";
        return problem;
    };
    const InputProblem notAll{"Введены не все параметры", {}};
    const InputProblem preambles{"Количество преамбул не должно превышать 255", {}};
    const InputProblem address{"Адрес должен быть", "в диапазоне 1...254"};

    EXPECT_EQ(refusal({"", 11, "256"}), notAll);
    EXPECT_EQ(refusal({"255", -1, "3"}), notAll) << "no rate chosen";
    EXPECT_EQ(refusal({"255", 11, "256"}), preambles) << "the preambles are checked before the address";
    EXPECT_EQ(refusal({"255", 11, "255"}), address);
    EXPECT_EQ(refusal({"0", 11, "3"}), address);
    EXPECT_EQ(refusal({"%", 11, "3"}), address) << "the key filter lets % through";
}

TEST(UpperLevelPort, AFixedRateKeepsItsByteEvenPastTheList)
{
    QByteArray table = QByteArray::fromHex("052a0300");
    const UpperLevelPortFields fields = upperLevelPortFields(table);
    EXPECT_EQ(fields.bitRate, -1) << "code 42 is no rate of the list";
    EXPECT_EQ(applied(fields, table), PortChoice::notAllEntered());
    EXPECT_EQ(applied(fields, table, false), std::nullopt);
    EXPECT_EQ(table[1], 42);
}

TEST(UpperLevelPort, TheRateChangesOnTheControllerOnlyOverADirectLineAndWhenItCan)
{
    EXPECT_TRUE(upperLevelRateEditable(true, LinkKind::Direct, controllerWithRates(true)));
    EXPECT_FALSE(upperLevelRateEditable(true, LinkKind::Direct, controllerWithRates(false)));
    EXPECT_FALSE(upperLevelRateEditable(true, LinkKind::Modem, controllerWithRates(true)));
    EXPECT_FALSE(upperLevelRateEditable(true, LinkKind::Ethernet, controllerWithRates(true)));
    EXPECT_TRUE(upperLevelRateEditable(false, LinkKind::Modem, controllerWithRates(false))) << "a configuration record";
}
