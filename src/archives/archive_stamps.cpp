#include "archives/archive_stamps.h"

#include "tables/calendar.h"

namespace {
constexpr int CenturyBase = 2000;
constexpr qint64 FiveMinutes = 5 * 60;
constexpr qint64 OneHour = 60 * 60;
} // namespace

QDateTime dateTimeOf(const DateStamp& stamp)
{
    return QDateTime(QDate(CenturyBase + stamp.year, stamp.month, stamp.day),
                     QTime(stamp.hour, stamp.minute, stamp.second), Qt::UTC);
}

DateStamp stampOf(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year() - CenturyBase, date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

DateStamp steppedBy(PeriodMode mode, const DateStamp& stamp, int units)
{
    const QDateTime moment = dateTimeOf(stamp);
    switch (mode) {
    case PeriodMode::FiveMinute:
        return stampOf(moment.addSecs(units * FiveMinutes));
    case PeriodMode::Hourly:
        return stampOf(moment.addSecs(units * OneHour));
    case PeriodMode::Daily:
        return stampOf(moment.addDays(units));
    }
    return stamp;
}

DateStamp fiveMinuteSlot(DateStamp stamp)
{
    stamp.minute -= stamp.minute % 5;
    stamp.second = 0;
    return stamp;
}

bool isValidStamp(const DateStamp& stamp)
{
    return stamp.month >= 1 && stamp.month <= 12 && stamp.day >= 1 &&
           stamp.day <= daysInMonth(CenturyBase + stamp.year, stamp.month) && stamp.hour >= 0 && stamp.hour <= 23 &&
           stamp.minute >= 0 && stamp.minute <= 59 && stamp.second >= 0 && stamp.second <= 59;
}

QString stampText(const DateStamp& stamp)
{
    return QString::asprintf("%02d.%02d.%02d %02d:%02d:%02d", stamp.day, stamp.month, stamp.year, stamp.hour,
                             stamp.minute, stamp.second);
}
