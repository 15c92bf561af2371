#include "sim/history/clock_moment.h"

#include <QTime>

namespace SimHist {

namespace {

const qint64 firstJulianDay = QDate(2000, 1, 1).toJulianDay();

qint64 floorDivide(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

} // namespace

ClockMoment ClockMoment::fromDateTime(const QDateTime& moment)
{
    return fromCalendar(moment.date(), moment.time().msecsSinceStartOfDay() / 1000);
}

ClockMoment ClockMoment::fromCalendar(const QDate& date, qint64 secondOfDay)
{
    if (!date.isValid())
        return ClockMoment();
    return ClockMoment((date.toJulianDay() - firstJulianDay) * day + secondOfDay);
}

std::optional<ClockMoment> ClockMoment::fromStamp(QByteArrayView stamp)
{
    if (stamp.size() < 3 || stamp.size() > 6)
        return std::nullopt;
    int fields[6] = {0, 0, 0, 0, 0, 0};
    for (qsizetype index = 0; index < stamp.size(); ++index)
        fields[index] = static_cast<std::uint8_t>(stamp[index]);
    const QDate date(2000 + fields[0], fields[1], fields[2]);
    if (!date.isValid() || fields[3] > 23 || fields[4] > 59 || fields[5] > 59)
        return std::nullopt;
    return fromCalendar(date, fields[3] * hour + fields[4] * minute + fields[5]);
}

QDate ClockMoment::date() const
{
    return QDate::fromJulianDay(firstJulianDay + floorDivide(seconds_, day));
}

qint64 ClockMoment::secondOfDay() const
{
    return seconds_ - floorDivide(seconds_, day) * day;
}

QDateTime ClockMoment::toDateTime() const
{
    return QDateTime(date(), QTime::fromMSecsSinceStartOfDay(static_cast<int>(secondOfDay() * 1000)), Qt::UTC);
}

ClockMoment ClockMoment::truncated(qint64 unit) const
{
    return ClockMoment(floorDivide(seconds_, unit) * unit);
}

ClockMoment ClockMoment::monthsShifted(int months) const
{
    const QDate from = date();
    const QDate firstOfTarget = QDate(from.year(), from.month(), 1).addMonths(months);
    const QDate target = from.day() <= firstOfTarget.daysInMonth()
                             ? QDate(firstOfTarget.year(), firstOfTarget.month(), from.day())
                             : firstOfTarget.addMonths(1);
    return fromCalendar(target, secondOfDay());
}

QByteArray ClockMoment::stamp(int length) const
{
    const QDate calendar = date();
    const qint64 time = secondOfDay();
    const int fields[6] = {calendar.year() - 2000,
                           calendar.month(),
                           calendar.day(),
                           static_cast<int>(time / hour),
                           static_cast<int>(time % hour / minute),
                           static_cast<int>(time % minute)};
    QByteArray bytes;
    for (int index = 0; index < length && index < 6; ++index)
        bytes.append(static_cast<char>(fields[index]));
    return bytes;
}

} // namespace SimHist
