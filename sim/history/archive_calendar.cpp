#include "sim/history/archive_calendar.h"

#include <algorithm>

namespace SimHist {

namespace {

constexpr int fiveMinuteDepthMonths = 2;
constexpr int hourDepthMonths = 12;
constexpr int dayDepthMonths = 48;
constexpr std::uint8_t dayShiftFlag = 0x80;
constexpr int secondByte = 5;

int depthMonths(ArchiveUnit unit)
{
    switch (unit) {
    case ArchiveUnit::fiveMinutes:
        return fiveMinuteDepthMonths;
    case ArchiveUnit::hour:
        return hourDepthMonths;
    case ArchiveUnit::day:
        break;
    }
    return dayDepthMonths;
}

} // namespace

ArchiveCalendar::ArchiveCalendar(ClockMoment historyStart, int contractHour)
    : historyStart_(historyStart), contractOffset_(contractHour * ClockMoment::hour)
{
}

qint64 ArchiveCalendar::length(ArchiveUnit unit)
{
    switch (unit) {
    case ArchiveUnit::fiveMinutes:
        return ClockMoment::fiveMinutes;
    case ArchiveUnit::hour:
        return ClockMoment::hour;
    case ArchiveUnit::day:
        break;
    }
    return ClockMoment::day;
}

ClockMoment ArchiveCalendar::gasDayStart(ClockMoment moment) const
{
    return (moment - contractOffset_).truncated(ClockMoment::day) + contractOffset_;
}

ClockMoment ArchiveCalendar::firstRecord(ArchiveUnit unit) const
{
    return unit == ArchiveUnit::day ? gasDayStart(historyStart_) : historyStart_.truncated(length(unit));
}

ArchiveCalendar::Span ArchiveCalendar::span(ArchiveUnit unit, ClockMoment now) const
{
    // The interval running now is still open; the one before it is the newest record.
    const ClockMoment running = unit == ArchiveUnit::day ? gasDayStart(now) : now.truncated(length(unit));
    const ClockMoment newest = running - length(unit);
    const ClockMoment oldest = running.monthsShifted(-depthMonths(unit));
    return {std::max(oldest, firstRecord(unit)), newest};
}

ClockMoment ArchiveCalendar::lastRecordUpTo(ArchiveUnit unit, ClockMoment stamp) const
{
    return unit == ArchiveUnit::day ? stamp.truncated(ClockMoment::day) + contractOffset_
                                    : stamp.truncated(length(unit));
}

ClockMoment ArchiveCalendar::firstRecordFrom(ArchiveUnit unit, ClockMoment stamp) const
{
    const ClockMoment last = lastRecordUpTo(unit, stamp);
    return unit != ArchiveUnit::day && last < stamp ? last + length(unit) : last;
}

ArchiveInterval ArchiveCalendar::interval(ArchiveUnit unit, ClockMoment start, const EpisodeSchedule& episodes) const
{
    ArchiveInterval interval;
    interval.start = start;
    interval.end = start + length(unit);
    interval.closed = interval.end;
    interval.daily = unit == ArchiveUnit::day;
    if (interval.daily) {
        // Switched off at the end hour, the controller closes the day when its power returns.
        if (const std::optional<ClockMoment> powerBack = episodes.powerReturn(interval.end)) {
            interval.closed = *powerBack;
            interval.closedOnTime = false;
        }
    }
    return interval;
}

QByteArray ArchiveCalendar::firstRecordStamps(ClockMoment now) const
{
    if (now < historyStart_) {
        // The controller's mark of an archive that has never been written.
        const QByteArray never("\x01\x01\x01\x00\x00\x00", 6);
        return never + never + never;
    }
    const QByteArray start = historyStart_.stamp(6);
    QByteArray daily = start;
    if (gasDayStart(historyStart_).date() < historyStart_.date())
        daily[secondByte] = static_cast<char>(daily[secondByte] | dayShiftFlag);
    return start + start + daily;
}

} // namespace SimHist
