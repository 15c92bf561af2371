#include "base/controller_charset.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

using Table = std::array<std::uint8_t, 256>;
using Pair = std::pair<std::uint8_t, std::uint8_t>;

// Characters both code pages hold besides А..я, as (Windows-1251, 866) pairs:
// Ё ё Є є Ї ї Ў ў ° · № ¤ and the no-break space; the pilcrow and the section
// sign, which code page 866 shows for the control codes 20 and 21; and the
// bullet, whose counterpart is the bullet operator.
constexpr Pair shared[] = {
    {0xA8, 0xF0}, {0xB8, 0xF1}, {0xAA, 0xF2}, {0xBA, 0xF3}, {0xAF, 0xF4}, {0xBF, 0xF5}, {0xA1, 0xF6}, {0xA2, 0xF7},
    {0xB0, 0xF8}, {0xB7, 0xFA}, {0xB9, 0xFC}, {0xA4, 0xFD}, {0xA0, 0xFF}, {0xB6, 0x14}, {0xA7, 0x15}, {0x95, 0xF9},
};

// Windows-1251 characters code page 866 lacks, written as the letter or sign they look like:
// Ѓ ѓ Ќ ќ Ґ ґ as Г г К к Г г; quotation marks, guillemets and dashes as ASCII;
// broken bar; the Latin-shaped Cyrillic letters Ј ј І і Ѕ ѕ as Latin.
constexpr Pair toLookAlikes[] = {
    {0x81, 0x83}, {0x83, 0xA3}, {0x8D, 0x8A}, {0x9D, 0xAA}, {0xA5, 0x83}, {0xB4, 0xA3}, {0x82, ','},
    {0x84, '"'},  {0x91, '\''}, {0x92, '\''}, {0x93, '"'},  {0x94, '"'},  {0x8B, '<'},  {0x9B, '>'},
    {0xAB, '<'},  {0xBB, '>'},  {0x96, '-'},  {0x97, '-'},  {0xAD, '-'},  {0xA6, '|'},  {0xA3, 'J'},
    {0xBC, 'j'},  {0xB2, 'I'},  {0xB3, 'i'},  {0xBD, 'S'},  {0xBE, 's'},
};

// Code page 866 characters Windows-1251 lacks: the sun shown for control code 15
// as the currency sign; box drawing as lines and crosses.
constexpr Pair fromLookAlikes[] = {{0x0F, 0xA4}, {0xB3, '|'}, {0xBA, '|'}, {0xC4, '-'}, {0xCD, '='}};
constexpr int boxDrawingFirst = 0xB3, boxDrawingLast = 0xDA; // │ .. ┌ between the shades and the blocks

constexpr Table asciiElseUnderscore()
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<std::uint8_t>(b < 0x80 ? b : '_');
    return table;
}

// Cyrillic А..я: Windows-1251 0xC0..0xFF; code page 866 0x80..0xAF (А..п) and 0xE0..0xEF (р..я).
constexpr int cp866Letter(int windows1251Letter)
{
    const int index = windows1251Letter - 0xC0;
    return index < 48 ? 0x80 + index : 0xE0 + (index - 48);
}

constexpr Table makeToController()
{
    Table table = asciiElseUnderscore();
    for (int b = 0xC0; b <= 0xFF; ++b)
        table[b] = static_cast<std::uint8_t>(cp866Letter(b));
    for (const auto& [windows, dos] : shared)
        table[windows] = dos;
    for (const auto& [windows, dos] : toLookAlikes)
        table[windows] = dos;
    return table;
}

constexpr Table makeFromController()
{
    Table table = asciiElseUnderscore();
    for (int b = boxDrawingFirst; b <= boxDrawingLast; ++b)
        table[b] = '+';
    for (int b = 0xC0; b <= 0xFF; ++b)
        table[cp866Letter(b)] = static_cast<std::uint8_t>(b);
    for (const auto& [windows, dos] : shared)
        table[dos] = windows;
    for (const auto& [dos, windows] : fromLookAlikes)
        table[dos] = windows;
    return table;
}

constexpr Table toController = makeToController();
constexpr Table fromController = makeFromController();

QByteArray convert(QByteArrayView text, const Table& table)
{
    QByteArray converted(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        converted[i] = static_cast<char>(table[static_cast<std::uint8_t>(text[i])]);
    return converted;
}

} // namespace

QByteArray toControllerCharset(QByteArrayView windows1251)
{
    return convert(windows1251, toController);
}

QByteArray fromControllerCharset(QByteArrayView codePage866)
{
    return convert(codePage866, fromController);
}
