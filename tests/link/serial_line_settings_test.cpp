#include "link/serial_line_settings.h"

#include <gtest/gtest.h>

TEST(SerialLineSettings, ValuesOutsideTheRangesAreClamped)
{
    EXPECT_EQ(clampBitRate(50), 110);
    EXPECT_EQ(clampBitRate(110), 110);
    EXPECT_EQ(clampBitRate(38400), 38400);
    EXPECT_EQ(clampBitRate(256000), 256000);
    EXPECT_EQ(clampBitRate(1'000'000), 256000);
    EXPECT_EQ(clampDataBits(2), 4);
    EXPECT_EQ(clampDataBits(7), 7);
    EXPECT_EQ(clampDataBits(9), 8);
    EXPECT_EQ(parityOf(1), QSerialPort::EvenParity);
    EXPECT_EQ(parityOf(2), QSerialPort::OddParity);
    EXPECT_EQ(parityOf(3), QSerialPort::NoParity);
    EXPECT_EQ(stopBitsOf(1), QSerialPort::OneAndHalfStop);
    EXPECT_EQ(stopBitsOf(2), QSerialPort::TwoStop);
    EXPECT_EQ(stopBitsOf(5), QSerialPort::OneStop);
}
