#include "logs/log_bounds.h"
#include "logs/log_period_choice.h"

#include <gtest/gtest.h>

namespace {

InputProblem problemOf(const std::variant<IndexRange, InputProblem>& result)
{
    return std::holds_alternative<InputProblem>(result) ? std::get<InputProblem>(result) : InputProblem{};
}

TEST(LogBounds, EqualNonZeroBoundsAndANewestBelowTheOldestAreAnEmptyLog)
{
    EXPECT_TRUE((LogBounds{1000, 1000}.empty()));
    EXPECT_TRUE((LogBounds{120, 5}.empty()));
    EXPECT_FALSE((LogBounds{5, 120}.empty()));
    EXPECT_EQ(presetRange(IndexChoice::Whole, {120, 5}), (IndexRange{120, 0})) << "not four billion records";
}

TEST(LogBounds, PresetChoicesTakeTheLastRecordsOrTheWholeLogWhenItHoldsFewer)
{
    const LogBounds bounds{5, 120};
    EXPECT_EQ(presetRange(IndexChoice::Whole, bounds), (IndexRange{5, 116}));
    EXPECT_EQ(presetRange(IndexChoice::Last100, bounds), (IndexRange{21, 100}));
    EXPECT_EQ(presetRange(IndexChoice::Last50, bounds), (IndexRange{71, 50}));
    EXPECT_EQ(presetRange(IndexChoice::Last10, bounds), (IndexRange{111, 10}));
    EXPECT_EQ(presetRange(IndexChoice::Last100, {90, 120}), (IndexRange{90, 31}));
    EXPECT_EQ(presetRange(IndexChoice::Last10, {111, 120}), (IndexRange{111, 10}));
}

TEST(LogBounds, AGivenRangeReachingPastTheNewestRecordIsCutThere)
{
    const auto range = checkIndexRange({5, 120}, "100", "50");
    ASSERT_TRUE(std::holds_alternative<IndexRange>(range));
    EXPECT_EQ(std::get<IndexRange>(range), (IndexRange{100, 21}));
    EXPECT_EQ(std::get<IndexRange>(checkIndexRange({5, 120}, "5", "3")), (IndexRange{5, 3}));
    EXPECT_EQ(std::get<IndexRange>(checkIndexRange({0, 0xFFFFFFFF}, "0", "10")), (IndexRange{0, 10}));
}

TEST(LogBounds, AGivenRangeIsCheckedInTheDialogsOrder)
{
    const LogBounds bounds{5, 120};
    EXPECT_EQ(problemOf(checkIndexRange(bounds, "", "")).line1, "Не введен индекс записи начала чтения");
    const InputProblem outside = problemOf(checkIndexRange(bounds, "4", ""));
    EXPECT_EQ(outside.line1, "Нелогичное значение индекса записи начала чтения");
    EXPECT_EQ(outside.line2, "(см. значения индексов начала и конца архива).");
    EXPECT_EQ(problemOf(checkIndexRange(bounds, "121", "1")).line1, "Нелогичное значение индекса записи начала чтения");
    EXPECT_EQ(problemOf(checkIndexRange(bounds, "120", "")).line1, "Не введено количество записей для чтения");
    EXPECT_EQ(problemOf(checkIndexRange(bounds, "120", "0")).line1,
              "Нелогичное значение количества записей для чтения");
    EXPECT_EQ(problemOf(checkIndexRange({120, 5}, "100", "1")).line1,
              "Нелогичное значение индекса записи начала чтения")
        << "an empty log has no index to start at";
}

} // namespace

namespace {

TEST(LogPeriodChoices, PresetsCountBackFromThePcsTimeAcrossMidnight)
{
    const QDateTime now(QDate(2026, 3, 1), QTime(0, 30, 15));
    EXPECT_EQ(presetLogPeriod(LogPeriodChoice::LastHour, now),
              (Period{{26, 2, 28, 23, 30, 15}, {26, 3, 1, 0, 30, 15}}));
    EXPECT_EQ(presetLogPeriod(LogPeriodChoice::LastDay, now), (Period{{26, 2, 28, 0, 30, 15}, {26, 3, 1, 0, 30, 15}}));
}

TEST(LogPeriodChoices, AnEndBeforeTheStartIsRefusedAndAnEqualOneAccepted)
{
    const InputCheck refused = checkLogPeriod({{26, 3, 1, 10, 0, 1}, {26, 3, 1, 10, 0, 0}});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->line1, "Дата и время конца опроса должны быть");
    EXPECT_EQ(refused->line2, "больше даты и времени начала опроса");
    EXPECT_FALSE(checkLogPeriod({{26, 3, 1, 10, 0, 0}, {26, 3, 1, 10, 0, 0}}));
}

} // namespace
