#include "tables/calendar.h"

#include <QDate>

namespace {

constexpr int centuryBase = 2000;
const QDate firstCountedSunday(2002, 1, 6);

constexpr std::uint8_t weekdayRuleBit = 0x80;
constexpr std::uint8_t fromMonthEndBit = 0x40;

int weekdayOf(const QDate& date)
{
    const qint64 days = firstCountedSunday.daysTo(date);
    return static_cast<int>(((days % 7) + 7) % 7) + 1;
}

int secondsIntoHour(const DateStamp& stamp)
{
    return stamp.minute * 60 + stamp.second;
}

} // namespace

bool isLeapYear(int fullYear)
{
    return (fullYear % 4 == 0 && fullYear % 100 != 0) || fullYear % 400 == 0;
}

int daysInMonth(int fullYear, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31;
    return month == 2 && isLeapYear(fullYear) ? 29 : lengths[month - 1];
}

int dayOfYear(int fullYear, int month, int day)
{
    int result = day;
    for (int m = 1; m < month && m <= 12; ++m)
        result += daysInMonth(fullYear, m);
    return result;
}

int dayOfWeek(int fullYear, int month, int day)
{
    return weekdayOf(QDate(fullYear, month, day));
}

int switchDayOfYear(std::uint8_t month, std::uint8_t dayRule, int fullYear)
{
    if (!(dayRule & weekdayRuleBit))
        return dayOfYear(fullYear, month, dayRule);
    const int target = (dayRule >> 3) & 0x07;
    const int ordinal = dayRule & 0x07;
    if (dayRule & fromMonthEndBit) {
        const int lastDay = daysInMonth(fullYear, month);
        int ahead = target - dayOfWeek(fullYear, month, lastDay);
        if (ahead <= 0)
            ahead += 7;
        return dayOfYear(fullYear, month, lastDay) + ahead - 7 * ordinal;
    }
    int behind = dayOfWeek(fullYear, month, 1) - target;
    if (behind <= 0)
        behind += 7;
    return dayOfYear(fullYear, month, 1) - behind + 7 * ordinal;
}

std::uint8_t timeType(const DateStamp& moment, QByteArrayView switchRules)
{
    if (switchRules.size() < 6)
        return winterTime;
    const auto rule = [&switchRules](int i) { return static_cast<std::uint8_t>(switchRules[i]); };
    // Month 0 means the switch is forbidden: the clock stays on standard (winter) time.
    const auto validMonth = [](std::uint8_t month) { return month >= 1 && month <= 12; };
    if (!validMonth(rule(0)) || !validMonth(rule(3)))
        return winterTime;
    const int year = centuryBase + moment.year;
    const int today = dayOfYear(year, moment.month, moment.day);
    const int summerStart = switchDayOfYear(rule(0), rule(1), year);
    const int winterStart = switchDayOfYear(rule(3), rule(4), year);
    const bool winter = today < summerStart || today > winterStart || (today == summerStart && moment.hour < rule(2)) ||
                        (today == winterStart && moment.hour >= rule(5));
    return winter ? winterTime : summerTime;
}

DateStamp stepBack(DateStamp stamp, StampUnit unit)
{
    if (unit == StampUnit::Hour && --stamp.hour >= 0)
        return stamp;
    if (unit == StampUnit::Hour) {
        stamp.hour = 23;
        unit = StampUnit::Day;
    }
    if (unit == StampUnit::Day && --stamp.day >= 1)
        return stamp;
    const bool borrowedDay = unit == StampUnit::Day;
    if (--stamp.month < 1) {
        stamp.month = 12;
        --stamp.year;
    }
    if (borrowedDay)
        stamp.day = daysInMonth(centuryBase + stamp.year, stamp.month);
    return stamp;
}

DateStamp stepForward(DateStamp stamp, StampUnit unit)
{
    if (unit == StampUnit::Hour && ++stamp.hour <= 23)
        return stamp;
    if (unit == StampUnit::Hour) {
        stamp.hour = 0;
        unit = StampUnit::Day;
    }
    if (unit == StampUnit::Day && ++stamp.day <= daysInMonth(centuryBase + stamp.year, stamp.month))
        return stamp;
    if (unit == StampUnit::Day)
        stamp.day = 1;
    if (++stamp.month > 12) {
        stamp.month = 1;
        ++stamp.year;
    }
    return stamp;
}

std::int16_t clockCorrection(const DateStamp& controller, const DateStamp& pc)
{
    const bool sameHour = controller.year == pc.year && controller.month == pc.month && controller.day == pc.day &&
                          controller.hour == pc.hour;
    if (sameHour)
        return static_cast<std::int16_t>(secondsIntoHour(pc) - secondsIntoHour(controller));
    if (controller > pc)
        return static_cast<std::int16_t>(-secondsIntoHour(controller));
    return static_cast<std::int16_t>(3600 - secondsIntoHour(controller));
}
