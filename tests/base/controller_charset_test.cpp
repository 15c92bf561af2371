#include "base/controller_charset.h"
#include "base/windows1251.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

QByteArray w1251(const char16_t* text)
{
    return toWindows1251(QString::fromUtf16(text));
}

QByteArray byte(int value)
{
    return QByteArray(1, static_cast<char>(value));
}

// Code page 866 from 0x80 on, where Windows-1251 holds the same character.
const struct {
    int first;
    const char16_t* characters;
} cp866[] = {
    {0x80, u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмноп"},
    {0xE0, u"рстуфхцчшщъыьэюяЁёЄєЇїЎў°"},
    {0xFA, u"·"},
    {0xFC, u"№¤"},
    {0xFF, u"\u00A0"},
};

// Windows-1251 characters code page 866 lacks, and the code page 866 bytes Windows-1251 lacks.
const char16_t* const withoutCounterpart1251 = u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”–—\u0098™љ›њќћџЈҐ¦©«¬\u00AD®±Ііґµ»јЅѕ";
QSet<int> withoutCounterpart866()
{
    QSet<int> bytes = {0x0F, 0xFB, 0xFE};
    for (int b = 0xB0; b <= 0xDF; ++b)
        bytes.insert(b);
    return bytes;
}

} // namespace

TEST(ControllerCharset, SharedCharactersMapBothWays)
{
    for (const auto& run : cp866) {
        const QString characters = QString::fromUtf16(run.characters);
        for (int i = 0; i < characters.size(); ++i) {
            const QByteArray windows = toWindows1251(characters.mid(i, 1));
            EXPECT_EQ(fromControllerCharset(byte(run.first + i)), windows) << characters.mid(i, 1).toStdString();
            EXPECT_EQ(toControllerCharset(windows), byte(run.first + i)) << characters.mid(i, 1).toStdString();
        }
    }
}

TEST(ControllerCharset, AsciiStaysButThreeControlCodesReadAsTheirGlyphs)
{
    for (int b = 0; b < 0x80; ++b) {
        EXPECT_EQ(toControllerCharset(byte(b)), byte(b)) << b;
        if (b != 15 && b != 20 && b != 21) {
            EXPECT_EQ(fromControllerCharset(byte(b)), byte(b)) << b;
        }
    }
    EXPECT_EQ(fromControllerCharset(QByteArray("\x0F\x14\x15", 3)), w1251(u"¤¶§"));
    // Pilcrow and section sign go back to the control codes; the currency sign has its own byte.
    EXPECT_EQ(toControllerCharset(w1251(u"¶§¤")), QByteArray("\x14\x15\xFD", 3));
}

TEST(ControllerCharset, MissingCharactersBecomeLookAlikesOrUnderscores)
{
    EXPECT_EQ(toControllerCharset(w1251(u"«Ґґ Ѓѓ Ќќ»")), QByteArray("<\x83\xA3 \x83\xA3 \x8A\xAA>"));
    EXPECT_EQ(toControllerCharset(w1251(u"„“”‘’‚‹›–—\u00AD¦")), QByteArray("\"\"\"'',<>---|"));
    EXPECT_EQ(toControllerCharset(w1251(u"ІіЈјЅѕ")), QByteArray("IiJjSs"));
    EXPECT_EQ(toControllerCharset(w1251(u"•")), QByteArray("\xF9"));
    EXPECT_EQ(toControllerCharset(w1251(u"ЂђЉљЊњЋћЏџ…†‡€‰™©¬®±µ\u0098")), QByteArray(22, '_'));

    EXPECT_EQ(fromControllerCharset("\xB3\xBA\xC4\xCD\xB4\xC5\xCE\xDA\xBF\xC0\xD9"), QByteArray("||-=+++++++"));
    EXPECT_EQ(fromControllerCharset("\xB0\xB1\xB2\xDB\xDC\xDD\xDE\xDF\xFB\xFE"), QByteArray(10, '_'));
    EXPECT_EQ(fromControllerCharset("\xF9"), w1251(u"•"));
}

TEST(ControllerCharset, EveryByteSurvivesARoundTripUnlessItsCharacterIsMissing)
{
    QSet<int> lossy1251 = {15, 20, 21}; // read back as their glyphs
    for (const char c : w1251(withoutCounterpart1251))
        lossy1251.insert(static_cast<std::uint8_t>(c));
    const QSet<int> lossy866 = withoutCounterpart866();
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(fromControllerCharset(toControllerCharset(byte(b))) == byte(b), !lossy1251.contains(b)) << b;
        EXPECT_EQ(toControllerCharset(fromControllerCharset(byte(b))) == byte(b), !lossy866.contains(b)) << b;
    }
}

TEST(ControllerCharset, ANameKeepsItsLength)
{
    const QByteArray name = w1251(u"ГРС Ёлкино №2 «Юг»  ");
    EXPECT_EQ(toControllerCharset(name).size(), 20);
    EXPECT_EQ(fromControllerCharset(toControllerCharset(name)), w1251(u"ГРС Ёлкино №2 <Юг>  "));
    EXPECT_TRUE(toControllerCharset(QByteArray()).isEmpty());
    EXPECT_TRUE(fromControllerCharset(QByteArray()).isEmpty());
}
