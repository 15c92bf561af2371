#include "reports/spreadsheet_report_date.h"

#include <gtest/gtest.h>

namespace {

const ArchiveBounds archive{{24, 1, 15, 10, 0}, {24, 3, 10, 10, 0}};
const InputProblem noData{"В архиве нет данных за указанную дату", "(см. период имеющихся в архиве данных)"};

TEST(ReportDate, StartsAtTheNewestRecordsDay)
{
    EXPECT_EQ(initialReportDate(archive), (DateStamp{24, 3, 10}));
    EXPECT_EQ(initialReportDate({{}, {24, 13, 40}}), (DateStamp{24, 12, 31})) << "a garbled stamp stays on a real day";
    EXPECT_EQ(oldestDayRecordText(archive), "Дата самой старой записи в архиве суточных данных:  15.01.24");
    EXPECT_EQ(newestDayRecordText(archive), "Дата последней записи в архиве:  10.03.24");
}

TEST(ReportDate, ADayBeyondTheNewMonthsEndBecomesItsLastDay)
{
    EXPECT_EQ(dayWithinMonth({23, 2, 31}), (DateStamp{23, 2, 28}));
    EXPECT_EQ(dayWithinMonth({24, 2, 31}), (DateStamp{24, 2, 29}));
    EXPECT_EQ(dayWithinMonth({24, 4, 31}), (DateStamp{24, 4, 30}));
    EXPECT_EQ(dayWithinMonth({24, 1, 31}), (DateStamp{24, 1, 31}));
    EXPECT_EQ(daysInDateMonth({24, 2, 1}), 29);
    EXPECT_EQ(daysInDateMonth({25, 2, 1}), 28);
}

TEST(ReportDate, MonthNamesAreNominative)
{
    const QStringList names = nominativeMonthNames();
    ASSERT_EQ(names.size(), 12);
    EXPECT_EQ(names.first(), "Январь");
    EXPECT_EQ(names.last(), "Декабрь");
    EXPECT_EQ(reportDateCaption(SpreadsheetReportKind::Day), " Параметры отчета за сутки");
    EXPECT_EQ(reportDateCaption(SpreadsheetReportKind::Month), " Параметры отчета за месяц");
}

TEST(ReportDate, AnObjectMustBeChosenFirst)
{
    EXPECT_EQ(checkReportChoice(SpreadsheetReportKind::Day, false, {20, 1, 1}, archive),
              (InputProblem{"Не введено наименование объекта", ""}));
}

TEST(ReportDate, DayReportComparesByDayWithBothEndsIncluded)
{
    const auto check = [](DateStamp day) { return checkReportChoice(SpreadsheetReportKind::Day, true, day, archive); };
    EXPECT_FALSE(check({24, 1, 15}));
    EXPECT_FALSE(check({24, 3, 10}));
    EXPECT_EQ(check({24, 1, 14}), noData);
    EXPECT_EQ(check({24, 3, 11}), noData);
    EXPECT_EQ(check({23, 2, 20}), noData);
    EXPECT_EQ(reportDate(SpreadsheetReportKind::Day, {24, 2, 20}), (DateStamp{24, 2, 20}));
}

TEST(ReportDate, MonthReportComparesByMonth)
{
    const auto check = [](DateStamp day) {
        return checkReportChoice(SpreadsheetReportKind::Month, true, day, archive);
    };
    EXPECT_FALSE(check({24, 1, 31})) << "January holds records from the 15th";
    EXPECT_FALSE(check({24, 1, 1}));
    EXPECT_FALSE(check({24, 3, 31})) << "March holds records up to the 10th";
    EXPECT_EQ(check({23, 12, 31}), noData);
    EXPECT_EQ(check({24, 4, 1}), noData);
    EXPECT_EQ(reportDate(SpreadsheetReportKind::Month, {24, 3, 31}), (DateStamp{24, 3, 1}));
}

} // namespace
