#include "tables/system_parameters.h"

#include <gtest/gtest.h>

namespace {

// The defaults of a new configuration: summer from the last Sunday of March at
// 3:00, winter from the last Sunday of October at 4:00, contract hour 9, both
// instruments connected; byte 9 as some controller left it.
const QByteArray NewConfiguration = QByteArray::fromHex("03c9030ac90409010155");

const InputProblem NotAllEntered{QStringLiteral("Введены не все параметры"), {}};

QByteArray applied(const SystemParameterChoices& choices, QByteArray table = NewConfiguration)
{
    EXPECT_EQ(applySystemParameters(choices, table), std::nullopt);
    return table;
}

} // namespace

TEST(SystemParameters, TheDefaultsReadAsTheirItemsAndWriteBackUnchanged)
{
    const SystemParameterChoices choices = systemParameterChoices(NewConfiguration);
    EXPECT_EQ(choices.contractHour, 9);
    EXPECT_TRUE(choices.moistureMeter);
    EXPECT_EQ(choices.summer, (SwitchChoice{2, true, -1, 4, 0, 3}));
    EXPECT_EQ(choices.winter, (SwitchChoice{2, true, -1, 4, 0, 3}));
    EXPECT_EQ(switchMonthItems(Season::Summer)[choices.summer.month], "Март");
    EXPECT_EQ(switchMonthItems(Season::Winter)[choices.winter.month], "Октябрь");
    EXPECT_EQ(switchHourItems(Season::Summer)[choices.summer.hour], "3:00");
    EXPECT_EQ(switchHourItems(Season::Winter)[choices.winter.hour], "4:00");
    EXPECT_EQ(applied(choices), NewConfiguration);
}

TEST(SystemParameters, DayRulesEncodeEveryWeekAndADayOfTheMonth)
{
    SystemParameterChoices choices = systemParameterChoices(NewConfiguration);
    EXPECT_EQ(switchWeekItems()[3], "Предпоследний");
    EXPECT_EQ(weekdayItems()[0], "Воскресенье");
    choices.summer.week = 3;
    EXPECT_EQ(static_cast<std::uint8_t>(applied(choices)[1]), 0xCA);
    choices.summer.week = 0;
    choices.summer.weekday = 6; // the first Saturday
    EXPECT_EQ(static_cast<std::uint8_t>(applied(choices)[1]), 0x80 | (7 << 3) | 1);

    choices.winter.byWeekday = false;
    choices.winter.day = 30;
    EXPECT_EQ(applied(choices)[4], 31) << "a day of the month clears bit 7";
    EXPECT_EQ(systemParameterChoices(applied(choices)).winter.day, 30);
    EXPECT_EQ(systemParameterChoices(applied(choices)).summer, choices.summer);
}

TEST(SystemParameters, MonthLengthsAndHourListsFollowTheSeason)
{
    EXPECT_EQ(switchMonthItems(Season::Summer), (QStringList{"Переход запрещен", "Февраль", "Март", "Апрель", "Май"}));
    EXPECT_EQ(switchMonthItems(Season::Winter),
              (QStringList{"Переход запрещен", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"}));
    EXPECT_EQ(switchDayItems(Season::Summer, 1).size(), 28);
    EXPECT_EQ(switchDayItems(Season::Summer, 3).size(), 30);
    EXPECT_EQ(switchDayItems(Season::Winter, 1).size(), 30);
    EXPECT_EQ(switchDayItems(Season::Winter, 4).size(), 31);
    EXPECT_TRUE(switchDayItems(Season::Winter, 0).isEmpty());
    EXPECT_EQ(switchHourItems(Season::Summer).first(), "0:00");
    EXPECT_EQ(switchHourItems(Season::Summer).last(), "22:00");
    EXPECT_EQ(switchHourItems(Season::Winter).first(), "1:00");
    EXPECT_EQ(switchHourItems(Season::Winter).last(), "23:00");
    EXPECT_EQ(contractHourItems().size(), 24);
}

TEST(SystemParameters, NoSwitchStoresMonth0AndKeepsTheDayAndHour)
{
    SystemParameterChoices choices = systemParameterChoices(NewConfiguration);
    choices.summer = SwitchChoice{0, false, -1, -1, -1, -1};
    QByteArray expected = NewConfiguration;
    expected[0] = 0;
    EXPECT_EQ(applied(choices), expected);
    EXPECT_EQ(systemParameterChoices(expected).summer.month, 0);
}

TEST(SystemParameters, BytesNoItemStandsForShowNoSelection)
{
    // Summer: July, the third week from the end, weekday 0. Winter: weekday 0, week 7, hour 0.
    // Contract hour 24.
    const QByteArray foreign = QByteArray::fromHex("07c3000a870018010100");
    const SystemParameterChoices choices = systemParameterChoices(foreign);
    EXPECT_EQ(choices.summer.month, -1);
    EXPECT_EQ(choices.summer.week, -1);
    EXPECT_EQ(choices.summer.weekday, -1);
    EXPECT_EQ(choices.winter.week, -1);
    EXPECT_EQ(choices.winter.weekday, -1);
    EXPECT_EQ(choices.winter.hour, -1);
    EXPECT_EQ(choices.contractHour, -1);

    QByteArray february = NewConfiguration;
    february[0] = 2;
    february[1] = 29;
    EXPECT_EQ(systemParameterChoices(february).summer.day, -1) << "28 days are offered for February";
}

TEST(SystemParameters, AnythingLeftUnchosenRefusesAndStoresNothing)
{
    const SystemParameterChoices valid = systemParameterChoices(NewConfiguration);
    const auto refused = [](const SystemParameterChoices& choices) {
        QByteArray table = NewConfiguration;
        const InputCheck problem = applySystemParameters(choices, table);
        EXPECT_EQ(table, NewConfiguration) << "nothing stored";
        return problem;
    };
    SystemParameterChoices choices = valid;
    choices.contractHour = -1;
    EXPECT_EQ(refused(choices), NotAllEntered);
    choices = valid;
    choices.winter.weekday = -1;
    EXPECT_EQ(refused(choices), NotAllEntered);
    choices = valid;
    choices.summer.hour = -1;
    EXPECT_EQ(refused(choices), NotAllEntered);
    choices = valid;
    choices.summer = {1, false, 28, -1, -1, 2}; // the 29th of February
    EXPECT_EQ(refused(choices), NotAllEntered);
    choices.summer.month = 5;
    EXPECT_EQ(refused(choices), NotAllEntered);

    // A group without a switch needs nothing more.
    choices = valid;
    choices.winter = {0, true, -1, -1, -1, -1};
    EXPECT_EQ(applied(choices)[3], 0);
}

TEST(SystemParameters, TheChromatographIsAlwaysConnectedAndByte9IsKept)
{
    QByteArray table = NewConfiguration;
    table[7] = 0;
    SystemParameterChoices choices = systemParameterChoices(table);
    choices.moistureMeter = false;
    const QByteArray stored = applied(choices, table);
    EXPECT_EQ(stored[7], 1);
    EXPECT_EQ(stored[8], 0);
    EXPECT_EQ(stored[9], 0x55);
}
