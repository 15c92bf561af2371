#include "base/windows1251.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace {

// Windows-1251 leaves 0x98 unassigned; ours keeps it as U+0098 so that the byte
// survives a round trip through a text.
constexpr int unassigned = 0x98;

QByteArray byte(int value)
{
    return QByteArray(1, static_cast<char>(value));
}

TEST(Windows1251, TheUpperHalfDecodesAsQtsOwnCodecDoes)
{
    QStringDecoder qtCodec("windows-1251");
    ASSERT_TRUE(qtCodec.isValid()) << "this Qt build has no Windows-1251 codec";
    for (int value = 0x80; value <= 0xFF; ++value) {
        if (value == unassigned)
            continue;
        const QString expected = qtCodec.decode(byte(value));
        EXPECT_EQ(fromWindows1251(byte(value)), expected) << std::hex << value;
        EXPECT_EQ(toWindows1251(expected), byte(value)) << std::hex << value;
    }
}

TEST(Windows1251, EveryByteSurvivesARoundTripAndOtherCharactersBecomeAQuestionMark)
{
    QByteArray all;
    for (int value = 0; value <= 0xFF; ++value)
        all += byte(value);
    EXPECT_EQ(toWindows1251(fromWindows1251(all)), all);
    EXPECT_EQ(fromWindows1251(byte(unassigned)), QString(QChar(0x98)));

    EXPECT_EQ(toWindows1251(QStringLiteral("Ωß€ё")), QByteArray("??\x88\xB8"));
}

} // namespace
