#include "settings/bit_rate_codes.h"
#include "settings/com_port_names.h"

#include <gtest/gtest.h>

TEST(BitRateCodes, TwentyTwoRatesBothWays)
{
    EXPECT_EQ(bitRateCode(300), 0);
    EXPECT_EQ(bitRateCode(7680), 10);
    EXPECT_EQ(bitRateCode(38400), 18);
    EXPECT_EQ(bitRateCode(230400), 21);
    EXPECT_EQ(bitRateCode(1200), 2);
    EXPECT_EQ(bitRateCode(110), -1);
    EXPECT_EQ(bitRateCode(256000), -1);
    for (int code = 0; code < BitRateCodes::Count; ++code)
        EXPECT_EQ(bitRateCode(bitRateOfCode(code).value()), code);
    EXPECT_EQ(bitRateOfCode(11), 9600);
    EXPECT_FALSE(bitRateOfCode(22).has_value());
    EXPECT_FALSE(bitRateOfCode(-1).has_value());
}

TEST(ComPortNames, NumbersMapToDevicesUnlessTheSettingsSayOtherwise)
{
    const ComPortNames standard;
    EXPECT_EQ(standard.devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(standard.devicePath(32), QStringLiteral("/dev/ttyS31"));
    EXPECT_EQ(standard.devicePath(33), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(standard.devicePath(64), QStringLiteral("/dev/ttyUSB31"));
    EXPECT_EQ(standard.devicePath(65), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(standard.devicePath(96), QStringLiteral("/dev/ttyACM31"));
    EXPECT_EQ(standard.devicePath(97), QString());
    EXPECT_EQ(standard.devicePath(0), QString());

    const ComPortNames station({{7, QStringLiteral("/dev/ttyUSB0")}});
    EXPECT_EQ(station.devicePath(7), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(station.devicePath(8), QStringLiteral("/dev/ttyS7"));
    EXPECT_EQ(station.numberOf(QStringLiteral("/dev/ttyUSB0")), 7);
    EXPECT_EQ(station.numberOf(QStringLiteral("/dev/ttyACM2")), 67);
    EXPECT_FALSE(station.numberOf(QStringLiteral("/dev/pts/4")).has_value());
}

TEST(ComPortNames, PortTextIsANumberOrADevicePath)
{
    const ComPortNames names({{7, QStringLiteral("/dev/ttyUSB0")}});
    const auto com7 = names.parse(QStringLiteral("COM7"));
    ASSERT_TRUE(com7);
    EXPECT_EQ(com7->number, 7);
    EXPECT_EQ(com7->device, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(names.parse(QStringLiteral("com2"))->device, QStringLiteral("/dev/ttyS1"));
    const auto path = names.parse(QStringLiteral("/dev/pts/4"));
    ASSERT_TRUE(path);
    EXPECT_EQ(path->number, 0);
    EXPECT_EQ(path->device, QStringLiteral("/dev/pts/4"));
    EXPECT_EQ(names.parse(QStringLiteral("/dev/ttyS3"))->number, 4);
    EXPECT_FALSE(names.parse(QStringLiteral("COM0")));
    EXPECT_FALSE(names.parse(QStringLiteral("COM256")));
    EXPECT_FALSE(names.parse(QStringLiteral("COMx")));
    EXPECT_FALSE(names.parse(QStringLiteral("ttyS0")));
}
