#include "archives/archive_bounds.h"

#include <gtest/gtest.h>

namespace {

// A first record long before any ring's depth.
const DateStamp LongAgo{15, 1, 1, 0, 0, 0};

ArchiveBounds bounds(PeriodMode mode, const DateStamp& now, const DateStamp& firstRecord = LongAgo,
                     int contractHour = 0, bool dayShift = false)
{
    return archiveBounds(mode, {.firstRecord = firstRecord, .dayShift = dayShift, .now = now, .contractHour = contractHour});
}

TEST(FiveMinuteBounds, ReachTwoMonthsBackFromTheLastClosedSlot)
{
    const ArchiveBounds b = bounds(PeriodMode::FiveMinute, {26, 3, 15, 10, 7, 30});
    EXPECT_EQ(b.newest, (DateStamp{26, 3, 15, 10, 0, 0}));
    EXPECT_EQ(b.oldest, (DateStamp{26, 1, 15, 10, 5, 0}));
}

TEST(FiveMinuteBounds, BorrowFromTheYearAndSkipADayTheMonthLacks)
{
    EXPECT_EQ(bounds(PeriodMode::FiveMinute, {26, 4, 30, 10, 7, 0}).oldest, (DateStamp{26, 3, 1, 10, 5, 0}));
    const ArchiveBounds february = bounds(PeriodMode::FiveMinute, {26, 2, 10, 0, 2, 0});
    EXPECT_EQ(february.newest, (DateStamp{26, 2, 9, 23, 55, 0}));
    EXPECT_EQ(february.oldest, (DateStamp{25, 12, 10, 0, 0, 0}));
}

TEST(FiveMinuteBounds, StartAtTheFirstRecordWhenTheRingIsNotFullYet)
{
    const ArchiveBounds b = bounds(PeriodMode::FiveMinute, {26, 3, 15, 10, 7, 30}, {26, 3, 1, 8, 13, 44});
    EXPECT_EQ(b.oldest, (DateStamp{26, 3, 1, 8, 10, 0}));
}

TEST(FiveMinuteBounds, AreEmptyBeforeTheFirstSlotCloses)
{
    const ArchiveBounds b = bounds(PeriodMode::FiveMinute, {26, 3, 15, 10, 7, 30}, {26, 3, 15, 10, 6, 0});
    EXPECT_GT(b.oldest, b.newest);
}

TEST(HourlyBounds, ReachAYearBackFromTheLastClosedHour)
{
    const ArchiveBounds b = bounds(PeriodMode::Hourly, {26, 3, 15, 10, 7, 30});
    EXPECT_EQ(b.newest, (DateStamp{26, 3, 15, 9, 0, 0}));
    EXPECT_EQ(b.oldest, (DateStamp{25, 3, 15, 10, 0, 0}));
    EXPECT_EQ(bounds(PeriodMode::Hourly, {25, 2, 28, 23, 30, 0}).oldest, (DateStamp{24, 2, 28, 23, 0, 0}));
}

TEST(HourlyBounds, OfAYearAfterALeapDayStartOnTheFirstOfMarch)
{
    // 29 February 2028 10:xx: a year back there is no 29 February.
    EXPECT_EQ(bounds(PeriodMode::Hourly, {28, 2, 29, 10, 30, 0}).oldest, (DateStamp{27, 3, 1, 10, 0, 0}));
}

TEST(DailyBounds, EndTheDayBeforeOrTwoDaysBackBeforeTheContractHour)
{
    EXPECT_EQ(bounds(PeriodMode::Daily, {26, 6, 10, 5, 0, 0}, LongAgo, 10).newest, (DateStamp{26, 6, 8, 0, 0, 0}));
    EXPECT_EQ(bounds(PeriodMode::Daily, {26, 6, 10, 10, 0, 0}, LongAgo, 10).newest, (DateStamp{26, 6, 9, 0, 0, 0}));
    EXPECT_EQ(bounds(PeriodMode::Daily, {26, 6, 10, 10, 0, 0}, LongAgo, 10).oldest, (DateStamp{22, 6, 10, 0, 0, 0}));
}

TEST(DailyBounds, StartAtTheFirstRecordAndADayEarlierWhenItsGasDayBeganTheDayBefore)
{
    const DateStamp first{26, 1, 20, 7, 0, 0};
    EXPECT_EQ(bounds(PeriodMode::Daily, {26, 6, 10, 12, 0, 0}, first, 10).oldest, (DateStamp{26, 1, 20, 0, 0, 0}));
    EXPECT_EQ(bounds(PeriodMode::Daily, {26, 6, 10, 12, 0, 0}, first, 10, true).oldest, (DateStamp{26, 1, 19, 0, 0, 0}));
}

} // namespace
