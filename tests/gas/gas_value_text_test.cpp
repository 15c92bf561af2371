#include "gas/gas_value_text.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

TEST(GasValueText, FixedPointWithTheSlotsDigitsAndAPoint)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const ReportSettings settings = ReportSettings::fromBytes(QByteArray(5, 0) + QByteArray::fromHex("020304050203"));
    EXPECT_EQ(gasValueText(96.1234, 0, settings), "96.12");
    EXPECT_EQ(gasValueText(0.66798797f, 3, settings), "0.66799");
    EXPECT_EQ(gasValueText(37.044, 1, settings), "37.044");
    EXPECT_EQ(gasValueText(-3.5, 2, settings), "-3.5000");
    EXPECT_EQ(gasValueText(8845.96, 19, settings), "8845.9600") << "slots without a count in the file show 4";
    QLocale::setDefault(before);
}

TEST(GasValueText, TenSignificantDigitsThenTheDecimals)
{
    EXPECT_EQ(gasValueText(1234567.891234, 5), "1234567.89100");
    EXPECT_EQ(gasValueText(0.123456789012345, 5), "0.12346");
}

TEST(GasValueText, NanForValuesWithoutDigits)
{
    EXPECT_EQ(gasValueText(std::numeric_limits<double>::quiet_NaN(), 2), "NAN");
    EXPECT_EQ(gasValueText(-std::numeric_limits<double>::infinity(), 2), "NAN");
}
