#include "archives/archive_bounds.h"

#include "archives/archive_stamps.h"
#include "tables/calendar.h"

namespace {

constexpr int CenturyBase = 2000;
constexpr int FiveMinuteDepthMonths = 2;
constexpr int HourlyDepthYears = 1;
constexpr int DailyDepthYears = 4;

// A stamp moved back by months or years onto a day its month lacks falls on the
// 1st of the month after.
DateStamp onExistingDay(DateStamp stamp)
{
    if (stamp.day > daysInMonth(CenturyBase + stamp.year, stamp.month)) {
        stamp.day = 1;
        stamp = stepForward(stamp, StampUnit::Month);
    }
    return stamp;
}

DateStamp monthsBack(DateStamp stamp, int months)
{
    for (int i = 0; i < months; ++i)
        stamp = stepBack(stamp, StampUnit::Month);
    return stamp;
}

ArchiveBounds fiveMinuteBounds(const ArchiveExtent& extent)
{
    const DateStamp newest = steppedBy(PeriodMode::FiveMinute, fiveMinuteSlot(extent.now), -1);
    DateStamp oldest = onExistingDay(monthsBack(steppedBy(PeriodMode::FiveMinute, newest, 1), FiveMinuteDepthMonths));
    DateStamp first = extent.firstRecord;
    first.second = 0;
    if (first > oldest)
        oldest = first;
    return {fiveMinuteSlot(oldest), newest};
}

ArchiveBounds intervalBounds(PeriodMode mode, const ArchiveExtent& extent)
{
    const bool daily = mode == PeriodMode::Daily;
    DateStamp newest = steppedBy(mode, truncatedTo(mode, extent.now), -1);
    if (daily && extent.now.hour < extent.contractHour)
        newest = steppedBy(mode, newest, -1);

    const int depth = daily ? DailyDepthYears : HourlyDepthYears;
    DateStamp oldest = extent.firstRecord;
    if (newest.year > depth) {
        oldest = steppedBy(mode, newest, 1);
        oldest.year -= depth;
    }
    oldest = truncatedTo(mode, onExistingDay(oldest));

    if (truncatedTo(mode, extent.firstRecord) > oldest) {
        oldest = truncatedTo(mode, extent.firstRecord);
        if (daily && extent.dayShift)
            oldest = steppedBy(mode, oldest, -1);
    }
    return {oldest, newest};
}

} // namespace

ArchiveBounds archiveBounds(PeriodMode mode, const ArchiveExtent& extent)
{
    if (mode == PeriodMode::FiveMinute)
        return fiveMinuteBounds(extent);
    return intervalBounds(mode, extent);
}
