#include "tables/archive_period.h"
#include "tables/calendar.h"
#include "tables/period_memory.h"

#include <gtest/gtest.h>

namespace {

DateStamp at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {year - 2000, month, day, hour, minute, second};
}

Period preset(PeriodMode mode, PeriodOption option, const DateStamp& now)
{
    const std::optional<Period> period = presetPeriod(mode, option, now);
    EXPECT_TRUE(period);
    return period.value_or(Period{});
}

TEST(ArchivePeriod, LastDayOfTheHourlyArchiveIsTwentyFourWholeHours)
{
    const Period day = preset(PeriodMode::Hourly, PeriodOption::LastDay, at(2024, 3, 1, 0, 30, 15));
    EXPECT_EQ(day, (Period{at(2024, 2, 29, 0), at(2024, 2, 29, 23)}));
    int records = 1;
    for (DateStamp hour = day.start; hour < day.end; hour = stepForward(hour, StampUnit::Hour))
        ++records;
    EXPECT_EQ(records, 24);
    EXPECT_EQ(preset(PeriodMode::Hourly, PeriodOption::LastDay, at(2026, 6, 10, 14, 5)),
              (Period{at(2026, 6, 9, 14), at(2026, 6, 10, 13)}));
}

TEST(ArchivePeriod, FiveMinutePresetsCountBackFromNowToTheMinute)
{
    EXPECT_EQ(preset(PeriodMode::FiveMinute, PeriodOption::LastHour, at(2026, 1, 1, 0, 20, 30)),
              (Period{at(2025, 12, 31, 23, 20), at(2026, 1, 1, 0, 20)}));
    EXPECT_EQ(preset(PeriodMode::FiveMinute, PeriodOption::LastDay, at(2024, 3, 1, 10, 15, 59)),
              (Period{at(2024, 2, 29, 10, 15), at(2024, 3, 1, 10, 15)}));
    EXPECT_FALSE(presetPeriod(PeriodMode::FiveMinute, PeriodOption::Given, at(2026, 1, 1)));
}

TEST(ArchivePeriod, LastMonthEndsYesterdayAndNeverStartsOnAMissingDay)
{
    EXPECT_EQ(preset(PeriodMode::Daily, PeriodOption::LastMonth, at(2026, 3, 15, 9, 30)),
              (Period{at(2026, 2, 14), at(2026, 3, 14)}));
    EXPECT_EQ(preset(PeriodMode::Daily, PeriodOption::LastMonth, at(2026, 4, 1, 8)),
              (Period{at(2026, 3, 1), at(2026, 3, 31)}))
        << "31 February moves to 1 March";
    EXPECT_EQ(preset(PeriodMode::Daily, PeriodOption::LastMonth, at(2026, 1, 1)),
              (Period{at(2025, 12, 1), at(2025, 12, 31)}));
    EXPECT_EQ(preset(PeriodMode::Daily, PeriodOption::LastMonth, at(2024, 3, 30)),
              (Period{at(2024, 2, 29), at(2024, 3, 29)}));
}

TEST(ArchivePeriod, ChoicesAndBoundTextsFollowTheMode)
{
    EXPECT_EQ(periodOptions(PeriodMode::FiveMinute),
              (QList<PeriodOption>{PeriodOption::LastHour, PeriodOption::LastDay, PeriodOption::Given}));
    EXPECT_EQ(periodOptions(PeriodMode::Hourly), (QList<PeriodOption>{PeriodOption::LastDay, PeriodOption::Given}));
    EXPECT_EQ(periodOptions(PeriodMode::Daily), (QList<PeriodOption>{PeriodOption::LastMonth, PeriodOption::Given}));
    EXPECT_EQ(periodOptionText(PeriodOption::LastDay), "За последние сутки");

    const DateStamp stamp = at(2026, 3, 5, 7, 5, 40);
    EXPECT_EQ(oldestRecordText(PeriodMode::FiveMinute, stamp),
              "Дата и время самой старой записи в архиве:  05.03.26 07:05");
    EXPECT_EQ(newestRecordText(PeriodMode::Hourly, stamp), "Дата и время последней записи в архиве:  05.03.26 07ч");
    EXPECT_EQ(newestRecordText(PeriodMode::Daily, stamp), "Дата и время последней записи в архиве:  05.03.26");
}

TEST(ArchivePeriod, AcceptRefusesAReversedPeriodOrOneOutsideTheArchiveAndClampsTheRest)
{
    const ArchiveBounds bounds{at(2026, 3, 1, 10, 5), at(2026, 3, 20, 8, 55)};
    const PeriodMode mode = PeriodMode::FiveMinute;

    PeriodAcceptance result = acceptPeriod(mode, {at(2026, 3, 10, 12), at(2026, 3, 10, 11, 55)}, bounds);
    EXPECT_EQ(result.problem,
              (InputProblem{"Дата и время конца опроса должны быть", "больше даты и времени начала опроса"}));
    const InputProblem outside{"В архиве нет данных за указанный период", "(см. период имеющихся в архиве данных)"};
    EXPECT_EQ(acceptPeriod(mode, {at(2026, 2, 1), at(2026, 3, 1, 10, 0)}, bounds).problem, outside);
    EXPECT_EQ(acceptPeriod(mode, {at(2026, 3, 20, 9), at(2026, 4, 1)}, bounds).problem, outside);

    result = acceptPeriod(mode, {at(2026, 2, 1), at(2026, 4, 1)}, bounds);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(result.period, (Period{bounds.oldest, bounds.newest}));
    result = acceptPeriod(mode, {at(2026, 3, 10, 12), at(2026, 3, 10, 12)}, bounds);
    EXPECT_FALSE(result.problem) << "an end equal to the start is a period of one record";
    EXPECT_EQ(result.period, (Period{at(2026, 3, 10, 12), at(2026, 3, 10, 12)}));
}

TEST(ArchivePeriod, DailyBoundsAreComparedByDate)
{
    // Daily records are stamped at the contract hour; the day of the oldest one is inside.
    const ArchiveBounds bounds{at(2026, 3, 1, 9), at(2026, 3, 20, 9)};
    const PeriodAcceptance result = acceptPeriod(PeriodMode::Daily, {at(2026, 2, 1), at(2026, 3, 1)}, bounds);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(result.period, (Period{at(2026, 3, 1), at(2026, 3, 1)}));
}

TEST(PeriodMemory, RemembersTheChoicePerModeAndOneGivenPeriod)
{
    PeriodMemory memory;
    EXPECT_EQ(memory.option(PeriodMode::FiveMinute), PeriodOption::LastHour);
    EXPECT_EQ(memory.option(PeriodMode::Daily), PeriodOption::LastMonth);
    memory.rememberOption(PeriodMode::Hourly, PeriodOption::Given);
    memory.rememberOption(PeriodMode::Daily, PeriodOption::LastHour); // not a daily choice
    EXPECT_EQ(memory.option(PeriodMode::Hourly), PeriodOption::Given);
    EXPECT_EQ(memory.option(PeriodMode::Daily), PeriodOption::LastMonth);

    const Period fallback{at(2026, 1, 1), at(2026, 1, 2)};
    EXPECT_EQ(memory.givenPeriodOr(fallback), fallback);
    memory.rememberGiven({at(2026, 5, 1), at(2026, 5, 3)});
    EXPECT_EQ(memory.givenPeriodOr(fallback), (Period{at(2026, 5, 1), at(2026, 5, 3)}));
}

} // namespace
