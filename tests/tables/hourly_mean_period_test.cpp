#include "tables/hourly_mean_period.h"

#include <gtest/gtest.h>

TEST(HourlyMeanPeriod, ThePeriodsThatDivideADayAreOffered)
{
    EXPECT_EQ(hourlyMeanPeriodItems(), (QStringList{" 1", " 2", " 3", " 4", " 6", " 12", " 24"}));
    EXPECT_EQ(defaultHourlyMeanPeriodTable(), QByteArray::fromHex("0100"));
    EXPECT_EQ(hourlyMeanPeriodChoice(defaultHourlyMeanPeriodTable()), 0);
    EXPECT_EQ(hourlyMeanPeriodChoice(QByteArray::fromHex("0c00")), 5);
    EXPECT_EQ(hourlyMeanPeriodChoice(QByteArray::fromHex("1800")), 6);
}

TEST(HourlyMeanPeriod, APeriodNotOfferedMustBeReplacedBeforeAccepting)
{
    const QByteArray stored = QByteArray::fromHex("0509");
    EXPECT_EQ(hourlyMeanPeriodChoice(stored), -1);
    EXPECT_EQ(hourlyMeanPeriodChoice(QByteArray::fromHex("0000")), -1);

    QByteArray table = stored;
    EXPECT_EQ(applyHourlyMeanPeriod(-1, table), (InputProblem{QStringLiteral("Не введен период"), {}}));
    EXPECT_EQ(table, stored) << "nothing stored";
    EXPECT_EQ(applyHourlyMeanPeriod(7, table), (InputProblem{QStringLiteral("Не введен период"), {}}));

    EXPECT_EQ(applyHourlyMeanPeriod(4, table), std::nullopt);
    EXPECT_EQ(table, QByteArray::fromHex("0600")) << "byte 1 is always 0";
}
