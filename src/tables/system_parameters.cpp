#include "tables/system_parameters.h"

#include "base/common_texts.h"
#include "tables/calendar.h"

#include <cstdint>

namespace {

// Bytes of table 6.
constexpr int SummerMonth = 0; // then its day rule and hour; the winter group at 3
constexpr int WinterMonth = 3;
constexpr int ContractHour = 6;
constexpr int Chromatograph = 7;
constexpr int MoistureMeter = 8;
constexpr int TableLength = 10;

// Offsets within a switch group.
constexpr int DayRule = 1;
constexpr int Hour = 2;

// The day-rule byte: bit 7 a weekday rather than a day of the month; for a
// weekday, bit 6 counts the weeks from the end, bits 5 to 3 the weekday
// (1 Sunday), bits 2 to 0 the week's number.
constexpr std::uint8_t ByWeekday = 0x80;
constexpr std::uint8_t FromTheEnd = 0x40;
constexpr int WeekdayShift = 3;
constexpr std::uint8_t ThreeBits = 0x07;
constexpr std::uint8_t DayOfMonthBits = 0x7F;

constexpr int SwitchMonths = 4;
constexpr int WeekItems = 5;         // three counted from the start, two from the end
constexpr int WeeksFromTheStart = 3; // "Первый" to "Третий"
constexpr int Weekdays = 7;
constexpr int SwitchHours = 23;
constexpr int HoursInDay = 24;
// The lists offer 28 days for February whatever the year.
constexpr int CommonYear = 2001;

int firstMonth(Season season)
{
    return season == Season::Summer ? 2 : 9;
}

int firstHour(Season season)
{
    return season == Season::Summer ? 0 : 1;
}

int groupStart(Season season)
{
    return season == Season::Summer ? SummerMonth : WinterMonth;
}

// The index of `value` in a list of `count` items that starts at `first`; -1 outside it.
int indexIn(int value, int first, int count)
{
    return value >= first && value < first + count ? value - first : -1;
}

// The month a month item stands for; 0 for "Переход запрещен" or no item.
int monthOf(Season season, int item)
{
    return item >= 1 && item <= SwitchMonths ? firstMonth(season) + item - 1 : 0;
}

// The month item of a stored month: 0 for no switch, -1 for a month of another season.
int monthItem(Season season, int month)
{
    if (month == 0)
        return 0;
    const int index = indexIn(month, firstMonth(season), SwitchMonths);
    return index < 0 ? -1 : index + 1;
}

int dayCount(Season season, int item)
{
    const int month = monthOf(season, item);
    return month == 0 ? 0 : daysInMonth(CommonYear, month);
}

QStringList hourItems(int first, int count)
{
    QStringList items;
    for (int hour = first; hour < first + count; ++hour)
        items.append(QStringLiteral("%1:00").arg(hour));
    return items;
}

QStringList commonTexts(int base, int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(commonText(base + i));
    return items;
}

SwitchChoice switchChoice(Season season, QByteArrayView table)
{
    const int start = groupStart(season);
    const auto month = static_cast<std::uint8_t>(table[start]);
    const auto rule = static_cast<std::uint8_t>(table[start + DayRule]);
    SwitchChoice choice;
    choice.month = monthItem(season, month);
    choice.byWeekday = (rule & ByWeekday) != 0;
    if (choice.byWeekday) {
        const int week = rule & ThreeBits;
        if ((rule & FromTheEnd) == 0)
            choice.week = indexIn(week, 1, WeeksFromTheStart);
        else if (week == 1 || week == 2)
            choice.week = WeekItems - week; // the last but one is 2, the last 1
        choice.weekday = indexIn((rule >> WeekdayShift) & ThreeBits, 1, Weekdays);
    } else {
        choice.day = indexIn(rule & DayOfMonthBits, 1, dayCount(season, choice.month));
    }
    choice.hour = indexIn(static_cast<std::uint8_t>(table[start + Hour]), firstHour(season), SwitchHours);
    return choice;
}

bool chosen(int item, int count)
{
    return item >= 0 && item < count;
}

// A group without a switch needs nothing more; one with a switch needs its day and hour.
bool complete(Season season, const SwitchChoice& choice)
{
    if (choice.month == 0)
        return true;
    const bool day = choice.byWeekday ? chosen(choice.week, WeekItems) && chosen(choice.weekday, Weekdays)
                                      : chosen(choice.day, dayCount(season, choice.month));
    return chosen(choice.month, SwitchMonths + 1) && day && chosen(choice.hour, SwitchHours);
}

void storeSwitch(Season season, const SwitchChoice& choice, QByteArray& table)
{
    const int start = groupStart(season);
    table[start] = static_cast<char>(monthOf(season, choice.month));
    if (choice.month == 0)
        return;
    std::uint8_t rule = 0;
    if (choice.byWeekday) {
        const bool fromTheEnd = choice.week >= WeeksFromTheStart;
        const int week = fromTheEnd ? WeekItems - choice.week : choice.week + 1;
        rule = static_cast<std::uint8_t>(ByWeekday | (fromTheEnd ? FromTheEnd : 0) |
                                         ((choice.weekday + 1) << WeekdayShift) | week);
    } else {
        rule = static_cast<std::uint8_t>(choice.day + 1);
    }
    table[start + DayRule] = static_cast<char>(rule);
    table[start + Hour] = static_cast<char>(firstHour(season) + choice.hour);
}

} // namespace

QStringList switchMonthItems(Season season)
{
    return QStringList{commonText(CommonTextBase::SwitchForbidden)} +
           commonTexts(CommonTextBase::MonthsNominative + firstMonth(season) - 1, SwitchMonths);
}

QStringList switchDayItems(Season season, int month)
{
    QStringList items;
    for (int day = 1; day <= dayCount(season, month); ++day)
        items.append(QString::number(day));
    return items;
}

QStringList switchWeekItems()
{
    return commonTexts(CommonTextBase::SwitchWeeks, WeekItems);
}

QStringList weekdayItems()
{
    return commonTexts(CommonTextBase::Weekdays, Weekdays);
}

QStringList switchHourItems(Season season)
{
    return hourItems(firstHour(season), SwitchHours);
}

QStringList contractHourItems()
{
    return hourItems(0, HoursInDay);
}

SystemParameterChoices systemParameterChoices(QByteArrayView table)
{
    SystemParameterChoices choices;
    if (table.size() < TableLength)
        return choices;
    choices.contractHour = indexIn(static_cast<std::uint8_t>(table[ContractHour]), 0, HoursInDay);
    choices.moistureMeter = table[MoistureMeter] != 0;
    choices.summer = switchChoice(Season::Summer, table);
    choices.winter = switchChoice(Season::Winter, table);
    return choices;
}

InputCheck applySystemParameters(const SystemParameterChoices& choices, QByteArray& table)
{
    if (table.size() < TableLength || !chosen(choices.contractHour, HoursInDay) ||
        !complete(Season::Summer, choices.summer) || !complete(Season::Winter, choices.winter))
        return InputProblem{QStringLiteral("Введены не все параметры"), {}};
    storeSwitch(Season::Summer, choices.summer, table);
    storeSwitch(Season::Winter, choices.winter, table);
    table[ContractHour] = static_cast<char>(choices.contractHour);
    table[Chromatograph] = 1;
    table[MoistureMeter] = choices.moistureMeter ? 1 : 0;
    return std::nullopt;
}
