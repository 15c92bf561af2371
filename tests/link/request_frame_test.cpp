#include "crc/crc16.h"
#include "link/request_frame.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

const WriteCredentials Credentials{{'p', 'a', 's', 's', 'w', 'o', 'r', 'd', ' ', ' ', ' ', ' '}, {'1', '2', '3', '4'}};

QByteArray build(std::uint8_t function, const QByteArray& data, std::uint8_t value = 0, int* length = nullptr)
{
    FrameBuffer frame;
    frame.fill(0xAA);
    const std::optional<int> built = buildRequestFrame(frame, 7, function, data, value, Credentials);
    if (length)
        *length = built.value_or(0);
    if (!built)
        return {};
    // Nothing beyond the frame may be left from before.
    for (std::size_t i = static_cast<std::size_t>(*built); i < frame.size(); ++i)
        EXPECT_EQ(frame[i], 0) << "byte " << i;
    return QByteArray(reinterpret_cast<const char*>(frame.data()), *built);
}

} // namespace

TEST(RequestFrame, ReadFieldsIsTenBytesWithValueByteRangeAndChecksum)
{
    const QByteArray frame = build(1, QByteArray::fromHex("000012"));
    EXPECT_EQ(frame.left(8), QByteArray::fromHex("cc070a0100000012"));
    EXPECT_EQ(crc16(frame), 0);
}

TEST(RequestFrame, FixedBodiesHaveTheirLengthWhateverTheCallerGives)
{
    const QByteArray many(40, '\x05');
    const struct {
        std::uint8_t code;
        int length;
    } fixed[] = {{1, 10}, {7, 13}, {8, 21}, {12, 24}, {14, 19}, {15, 17}, {16, 15}, {25, 22}, {32, 22}, {33, 22}};
    for (const auto& expected : fixed) {
        SCOPED_TRACE(expected.code);
        for (const QByteArray& data : {QByteArray(), QByteArray("\x05", 1), many}) {
            const QByteArray frame = build(expected.code, data);
            ASSERT_EQ(frame.size(), expected.length);
            EXPECT_EQ(static_cast<std::uint8_t>(frame[2]), expected.length);
            EXPECT_EQ(static_cast<std::uint8_t>(frame[3]), expected.code);
            EXPECT_EQ(crc16(frame), 0);
        }
    }
}

TEST(RequestFrame, ShortDataIsPaddedWithZeros)
{
    const QByteArray frame = build(16, QByteArray::fromHex("0102"));
    EXPECT_EQ(frame.mid(4, 9), QByteArray::fromHex("010200000000000000"));
}

TEST(RequestFrame, WriteCarriesCredentialsValueByteAndData)
{
    const QByteArray data = QByteArray::fromHex("050001") + QByteArray(20, 'N');
    const QByteArray frame = build(2, data, 0);
    ASSERT_EQ(frame.size(), 23 + data.size());
    EXPECT_EQ(frame.mid(4, 16), QByteArray("password    1234"));
    EXPECT_EQ(frame[20], 0);
    EXPECT_EQ(frame.mid(21, data.size()), data);
    EXPECT_EQ(crc16(frame), 0);
}

TEST(RequestFrame, ClockCorrectionAndResetCarryCredentials)
{
    EXPECT_EQ(build(12, QByteArray::fromHex("0a0b")).mid(4, 18), QByteArray("password    1234\x0a\x0b"));
    EXPECT_EQ(build(25, QByteArray::fromHex("ffff")).mid(4, 16), QByteArray("password    1234"));
}

TEST(RequestFrame, WriteOfAtMost232DataBytesFitsOneFrame)
{
    int length = 0;
    EXPECT_EQ(build(2, QByteArray(232, 'x'), 0, &length).size(), 255);
    EXPECT_EQ(length, 255);
    EXPECT_TRUE(build(2, QByteArray(233, 'x'), 0, &length).isEmpty());
    EXPECT_EQ(length, 0);
}

TEST(RequestFrame, UnknownFunctionCodesAreRefused)
{
    for (const int code : {0, 3, 4, 9, 13, 17, 24, 26, 31, 34, 129, 255}) {
        FrameBuffer frame{};
        EXPECT_FALSE(buildRequestFrame(frame, 1, static_cast<std::uint8_t>(code), {}, 0, Credentials)) << code;
    }
}
