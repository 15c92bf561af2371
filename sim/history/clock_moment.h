#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <compare>
#include <optional>

namespace SimHist {

// A reading of the controller's clock, in seconds from 2000-01-01 00:00:00. The controller's
// clock has calendar fields only (no time zone, no daylight jump of its own), so every step of
// the history is plain arithmetic on these seconds.
class ClockMoment {
public:
    static constexpr qint64 minute = 60;
    static constexpr qint64 fiveMinutes = 300;
    static constexpr qint64 hour = 3600;
    static constexpr qint64 day = 86400;

    constexpr ClockMoment() = default;
    constexpr explicit ClockMoment(qint64 seconds) : seconds_(seconds) {}

    // An invalid date counts as the start of 2000.
    static ClockMoment fromDateTime(const QDateTime& moment);
    static ClockMoment fromCalendar(const QDate& date, qint64 secondOfDay);
    // A 3- (day), 4- (hour), 5- (minute) or 6-byte stamp: year - 2000, month, day, hour, minute,
    // second. Empty when a field is out of its range.
    static std::optional<ClockMoment> fromStamp(QByteArrayView stamp);

    constexpr qint64 seconds() const { return seconds_; }
    QDate date() const;
    qint64 secondOfDay() const;
    int hourOfDay() const { return static_cast<int>(secondOfDay() / hour); }
    QDateTime toDateTime() const;

    // Cut down to a whole unit; the unit divides a day.
    ClockMoment truncated(qint64 unit) const;
    // The same time of day the given number of months later (earlier when negative); a day that
    // the target month lacks becomes the 1st of the month after it.
    ClockMoment monthsShifted(int months) const;
    // The first `length` bytes of the 6-byte stamp.
    QByteArray stamp(int length) const;

    constexpr ClockMoment operator+(qint64 seconds) const { return ClockMoment(seconds_ + seconds); }
    constexpr ClockMoment operator-(qint64 seconds) const { return ClockMoment(seconds_ - seconds); }
    constexpr qint64 operator-(ClockMoment other) const { return seconds_ - other.seconds_; }
    constexpr auto operator<=>(const ClockMoment&) const = default;

private:
    qint64 seconds_ = 0;
};

} // namespace SimHist
