#include "sim/sim_season.h"

namespace {
constexpr std::uint8_t weekdayRuleBit = 0x80;
constexpr std::uint8_t fromEndBit = 0x40;

// Qt counts Monday as 1 and Sunday as 7; the controller counts Sunday as 1.
int qtDayOfWeek(int controllerWeekday)
{
    return controllerWeekday == 1 ? 7 : controllerWeekday - 1;
}
} // namespace

int SimSeason::weekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

QDate SimSeason::switchDay(int year, std::uint8_t month, std::uint8_t day)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    if (!(day & weekdayRuleBit))
        return QDate(year, month, day);
    const int target = (day >> 3) & 0x07;
    const int ordinal = day & 0x07;
    if (target < 1 || ordinal < 1)
        return {};
    const int qtTarget = qtDayOfWeek(target);
    if (day & fromEndBit) {
        QDate last(year, month, first.daysInMonth());
        last = last.addDays(-((last.dayOfWeek() - qtTarget + 7) % 7));
        const QDate result = last.addDays(-7 * (ordinal - 1));
        return result.month() == month ? result : QDate();
    }
    const QDate firstMatch = first.addDays((qtTarget - first.dayOfWeek() + 7) % 7);
    const QDate result = firstMatch.addDays(7 * (ordinal - 1));
    return result.month() == month ? result : QDate();
}

std::uint8_t SimSeason::timeType(QByteArrayView systemTable, const QDateTime& moment)
{
    if (systemTable.size() < 6)
        return winter;
    const auto byte = [&](int index) { return static_cast<std::uint8_t>(systemTable[index]); };
    const int year = moment.date().year();
    const QDate summerDay = switchDay(year, byte(0), byte(1));
    const QDate winterDay = switchDay(year, byte(3), byte(4));
    if (byte(0) == 0 || byte(3) == 0 || !summerDay.isValid() || !winterDay.isValid())
        return winter;
    const QDate date = moment.date();
    const int hour = moment.time().hour();
    if (date < summerDay || date > winterDay)
        return winter;
    if (date == summerDay && hour < byte(2))
        return winter;
    if (date == winterDay && hour >= byte(5))
        return winter;
    return summer;
}
