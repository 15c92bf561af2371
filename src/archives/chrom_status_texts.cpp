#include "archives/chrom_status_texts.h"

#include <array>

namespace {

constexpr std::uint8_t SwitchedOff = 0x02;
constexpr std::uint8_t NoHmuLink = 0x20;

// By bit, low bit first; an empty text: the bit has no meaning here.
const std::array<const char*, 8> MomentFlagTexts{
    "Выполнялась ручная калибровка хроматографа",
    "Контроллер был выключен",
    "",
    "Нештатное состояние хроматографа",
    "Значение вышло за допускаемые пределы",
    "Не было связи с HMU",
    "Хроматограф не обновил данные",
    "Выполнялась калибровка автоматическая хроматографа",
};

const std::array<const char*, 8> IntervalFlagTexts{
    "",
    "Нет данных - контроллер был выключен",
    "",
    "Использовалась ЗПЗ - был нештатный режим работы хроматографа",
    "Использовалась ЗПЗ - значение выходило за допускаемые пределы",
    "Использовалась ЗПЗ - не было связи с HMU",
    "Использовалась ЗПЗ - хроматограф не обновил данные",
    "",
};

const std::array<const char*, 16> StatusWordTexts{
    " Неудачная автокалибровка",
    " Сумма ненормализованных параметров вне доп. пределов",
    " Ошибка ОЗУ",
    " Время удержания этана не в норме",
    " Ошибка связи",
    " Сбой часов реального времени",
    " Разряд батареи",
    " Хроматограф не отвечает",
    " Превышено рекомендуемое кол. анализов без ремонта",
    " Высота пика хроматограммы выше допускаемой",
    " Давление газа-носителя неуправляемо",
    " Температура термостата нестабильна",
    " Ошибка базовой линии хроматограммы",
    " Давление газа-носителя не в норме",
    " Слишком высокая температура термостата",
    " Не поступают данные от хроматографа",
};

template <std::size_t Bits> QStringList bitLines(unsigned code, const std::array<const char*, Bits>& texts)
{
    if (code == 0)
        return {QStringLiteral("Норма")};
    QStringList lines;
    for (std::size_t bit = 0; bit < Bits; ++bit)
        if ((code & (1u << bit)) != 0 && *texts[bit] != '\0')
            lines << QString::fromUtf8(texts[bit]);
    return lines;
}

ChromStatusPanel controllerPanel(std::uint8_t flags, const std::array<const char*, 8>& texts)
{
    return {QStringLiteral("   Статус контроллера"), QString::asprintf("  Статус контроллера: 0x%02X", flags),
            bitLines(flags, texts)};
}

ChromStatusPanel chromatographPanel(std::uint16_t statusWord)
{
    return {QStringLiteral("   Статус хроматографа"), QString::asprintf("  Статус хроматографа: 0x%04X", statusWord),
            bitLines(statusWord, StatusWordTexts)};
}

} // namespace

ChromStatusTexts chromStatusTexts(ChromStatusMode mode, std::uint8_t flags, std::uint16_t statusWord)
{
    switch (mode) {
    case ChromStatusMode::Moment: {
        ChromStatusTexts texts{controllerPanel(flags, MomentFlagTexts), std::nullopt};
        if ((flags & (SwitchedOff | NoHmuLink)) == 0)
            texts.chromatograph = chromatographPanel(statusWord);
        return texts;
    }
    case ChromStatusMode::Interval:
        return {controllerPanel(flags, IntervalFlagTexts), std::nullopt};
    case ChromStatusMode::StatusWord:
        break;
    }
    return {std::nullopt, chromatographPanel(statusWord)};
}
