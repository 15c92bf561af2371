#include "crc/crc16.h"

#include <gtest/gtest.h>

#include <QByteArray>

TEST(Crc16, CheckValueOfTheNineDigits)
{
    EXPECT_EQ(crc16(QByteArrayView("123456789")), 0x4B37);
}

TEST(Crc16, AppendedChecksumMakesTheWholeFrameCheckToZero)
{
    QByteArray frame = QByteArray::fromHex("cc010a0100000012");
    appendCrc16(frame);
    ASSERT_EQ(frame.size(), 10);
    EXPECT_EQ(crc16(frame), 0);
    frame[4] = 1;
    EXPECT_NE(crc16(frame), 0);
}
