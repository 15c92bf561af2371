#include "tables/clock_comparison.h"
#include "tables/date_time_table.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

// Summer from the last Sunday of March at 3, winter from the last Sunday of October at 4,
// then the remaining system parameters.
const QByteArray systemParameters = QByteArray::fromHex("03c9030ac904"
                                                        "09010100");

QByteArray dateTable(int year, int month, int day, int hour, int minute, int second, int weekday, int type)
{
    const char bytes[] = {char(year - 2000), char(month),  char(day),     char(hour),
                          char(minute),      char(second), char(weekday), char(type)};
    return QByteArray(bytes, sizeof bytes);
}

QDateTime pcAt(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

TEST(ClockComparison, ControllerJustBehindThePcAcrossAnHour)
{
    const ClockComparison c =
        compareClocks(dateTable(2026, 5, 1, 10, 59, 50, 6, 0), systemParameters, pcAt(2026, 5, 1, 11, 0, 10));
    EXPECT_EQ(c.controller, (ClockColumn{"01.05.26", "10:59:50", "Пятница", "Летнее"}));
    EXPECT_EQ(c.pc, (ClockColumn{"01.05.26", "11:00:10", "Пятница", "Летнее"}));
    EXPECT_FALSE(c.differs.date);
    EXPECT_TRUE(c.differs.time);
    EXPECT_FALSE(c.differs.dayName);
    EXPECT_FALSE(c.differs.timeType);
    EXPECT_FALSE(c.sameSecond);
    EXPECT_EQ(c.correction, 10);
}

TEST(ClockComparison, CorrectionExamplesOfTheWindow)
{
    EXPECT_EQ(compareClocks(dateTable(2026, 5, 1, 11, 0, 10, 6, 0), systemParameters, pcAt(2026, 5, 1, 10, 59, 50))
                  .correction,
              -10);
    EXPECT_EQ(
        compareClocks(dateTable(2026, 5, 1, 10, 5, 0, 6, 0), systemParameters, pcAt(2026, 5, 1, 10, 20, 30)).correction,
        930);
    // Behind by a day: the controller goes to the start of its next hour.
    EXPECT_EQ(compareClocks(dateTable(2025, 12, 31, 23, 59, 50, 4, 128), systemParameters, pcAt(2026, 1, 1, 0, 0, 5))
                  .correction,
              10);
}

TEST(ClockComparison, EveryDifferingValueIsMarkedAndEqualStampsNeedNoCorrection)
{
    // A wrong day of week and time type on the controller, a day behind.
    ClockComparison c =
        compareClocks(dateTable(2026, 7, 14, 12, 0, 0, 1, 128), systemParameters, pcAt(2026, 7, 15, 12, 0, 0));
    EXPECT_EQ(c.controller, (ClockColumn{"14.07.26", "12:00:00", "Воскресенье", "Зимнее"}));
    EXPECT_EQ(c.pc, (ClockColumn{"15.07.26", "12:00:00", "Среда", "Летнее"}));
    EXPECT_TRUE(c.differs.date);
    EXPECT_FALSE(c.differs.time);
    EXPECT_TRUE(c.differs.dayName);
    EXPECT_TRUE(c.differs.timeType);

    c = compareClocks(dateTable(2026, 7, 15, 12, 0, 0, 4, 0), systemParameters, pcAt(2026, 7, 15, 12, 0, 0));
    EXPECT_TRUE(c.sameSecond);
    EXPECT_EQ(c.correction, 0);
}

TEST(ClockComparison, ADamagedOrShortTableIsShownWithoutReadingPastIt)
{
    const ClockComparison c = compareClocks(QByteArray::fromHex("1a0c1f"), systemParameters, pcAt(2026, 1, 1, 0, 0, 0));
    EXPECT_EQ(c.controller, (ClockColumn{"31.12.26", "00:00:00", "", "Летнее"}));
    EXPECT_FALSE(compareClocks(dateTable(2026, 1, 1, 0, 0, 0, 9, 7), systemParameters, pcAt(2026, 1, 1, 0, 0, 0))
                     .controller.dayName.size());
}

TEST(PcDateTable, TheLastSundayOfMarch2002IsSummerFromHourThree)
{
    EXPECT_EQ(pcDateTable(pcAt(2002, 3, 31, 2, 59, 59), systemParameters), dateTable(2002, 3, 31, 2, 59, 59, 1, 128));
    EXPECT_EQ(pcDateTable(pcAt(2002, 3, 31, 3, 0, 0), systemParameters), dateTable(2002, 3, 31, 3, 0, 0, 1, 0));
    EXPECT_EQ(pcDateTable(pcAt(2024, 2, 29, 13, 14, 15), systemParameters), dateTable(2024, 2, 29, 13, 14, 15, 5, 128));
}

} // namespace
