#include "tables/calendar.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

DateStamp at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {year - 2000, month, day, hour, minute, second};
}

// Summer from the last Sunday of March at 3, winter from the last Sunday of October at 4.
const QByteArray europeanRules = QByteArray::fromHex("03"
                                                     "c9"
                                                     "03"
                                                     "0a"
                                                     "c9"
                                                     "04");

TEST(Calendar, CorrectionExamples)
{
    EXPECT_EQ(clockCorrection(at(2026, 5, 1, 10, 59, 50), at(2026, 5, 1, 11, 0, 10)), 10);
    EXPECT_EQ(clockCorrection(at(2026, 5, 1, 11, 0, 10), at(2026, 5, 1, 10, 59, 50)), -10);
    EXPECT_EQ(clockCorrection(at(2026, 5, 1, 10, 5, 0), at(2026, 5, 1, 10, 20, 30)), 930);
}

TEST(Calendar, DayOfWeekCountsFromSundaySixthOfJanuary2002)
{
    EXPECT_EQ(dayOfWeek(2002, 1, 6), 1);
    EXPECT_EQ(dayOfWeek(2002, 3, 31), 1);
    EXPECT_EQ(dayOfWeek(2026, 12, 8), 3) << "a Tuesday";
    EXPECT_EQ(dayOfYear(2024, 3, 1), 61);
    EXPECT_EQ(dayOfYear(2026, 12, 31), 365);
}

TEST(Calendar, SummerStartsOnTheLastSundayOfMarchAtItsHour)
{
    // 0xc9: weekday rule, from the month's end, Sunday, the last one.
    EXPECT_EQ(switchDayOfYear(3, 0xC9, 2002), dayOfYear(2002, 3, 31));
    EXPECT_EQ(timeType(at(2002, 3, 31, 2), europeanRules), winterTime);
    EXPECT_EQ(timeType(at(2002, 3, 31, 3), europeanRules), summerTime);
    EXPECT_EQ(timeType(at(2002, 10, 27, 3), europeanRules), summerTime);
    EXPECT_EQ(timeType(at(2002, 10, 27, 4), europeanRules), winterTime);
    EXPECT_EQ(timeType(at(2002, 12, 1), europeanRules), winterTime);
}

TEST(Calendar, AForbiddenSwitchKeepsWinterTimeAllYear)
{
    EXPECT_EQ(timeType(at(2026, 7, 1, 12), QByteArray::fromHex("00c903"
                                                               "0ac904")),
              winterTime);
}

TEST(Calendar, SwitchRulesFromTheMonthsStartAndFixedDays)
{
    // Second Sunday of March 2026 is the 8th: 0x80 | Sunday << 3 | 2.
    EXPECT_EQ(switchDayOfYear(3, 0x8A, 2026), dayOfYear(2026, 3, 8));
    // First Saturday of November 2026 is the 7th.
    EXPECT_EQ(switchDayOfYear(11, 0x80 | (7 << 3) | 1, 2026), dayOfYear(2026, 11, 7));
    // Second-to-last Friday of February 2024 (leap) is the 16th.
    EXPECT_EQ(switchDayOfYear(2, 0xC0 | (6 << 3) | 2, 2024), dayOfYear(2024, 2, 16));
    EXPECT_EQ(switchDayOfYear(4, 15, 2026), dayOfYear(2026, 4, 15));
}

TEST(Calendar, StepsBorrowAcrossMonthAndYearBoundaries)
{
    EXPECT_EQ(stepBack(at(2024, 3, 1, 0), StampUnit::Day), at(2024, 2, 29, 0));
    EXPECT_EQ(stepBack(at(2023, 3, 1, 5), StampUnit::Day), at(2023, 2, 28, 5));
    EXPECT_EQ(stepBack(at(2026, 1, 1, 0), StampUnit::Hour), at(2025, 12, 31, 23));
    EXPECT_EQ(stepBack(at(2026, 1, 15), StampUnit::Month), at(2025, 12, 15));
    EXPECT_EQ(stepForward(at(2024, 2, 29, 23), StampUnit::Hour), at(2024, 3, 1, 0));
    EXPECT_EQ(stepForward(at(2025, 12, 31), StampUnit::Day), at(2026, 1, 1));
    EXPECT_EQ(stepForward(at(2026, 1, 31), StampUnit::Month), at(2026, 2, 31)) << "a month step keeps the day";
}

} // namespace
