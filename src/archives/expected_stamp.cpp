#include "archives/expected_stamp.h"

#include "archives/archive_stamps.h"

#include <algorithm>

ExpectedStamp::ExpectedStamp(PeriodMode mode, const Period& period)
    : mode_(mode), end_(unitOf(period.end)), expected_(unitOf(period.start))
{
}

DateStamp ExpectedStamp::unitOf(const DateStamp& stamp) const
{
    return truncatedTo(mode_, stamp);
}

ExpectedStamp::Check ExpectedStamp::check(const DateStamp& recordStamp) const
{
    if (!isValidStamp(recordStamp))
        return Check::Late;
    const DateStamp stamp = unitOf(recordStamp);
    switch (mode_) {
    case PeriodMode::FiveMinute:
        if (stamp < expected_)
            return Check::Early;
        return stamp <= steppedBy(mode_, expected_, 1) ? Check::InPeriod : Check::Late;
    case PeriodMode::Hourly:
        if (stamp < expected_)
            return Check::Early;
        return stamp <= end_ ? Check::InPeriod : Check::Late;
    case PeriodMode::Daily:
        // A daily record may be dated a day off the gas day asked for.
        if (stamp < steppedBy(mode_, expected_, -1))
            return Check::Early;
        return stamp <= steppedBy(mode_, end_, 1) ? Check::InPeriod : Check::Late;
    }
    return Check::InPeriod;
}

void ExpectedStamp::passRecord(const DateStamp& recordStamp)
{
    // A stamp that is no moment (a damaged record) moves nothing.
    const DateStamp stamp = !isValidStamp(recordStamp)       ? expected_
                            : mode_ == PeriodMode::FiveMinute ? fiveMinuteSlot(recordStamp)
                                                              : unitOf(recordStamp);
    // The first 5-minute record sets the pace of the slots, whatever was asked for.
    const DateStamp reached = mode_ == PeriodMode::FiveMinute && firstRecord_ ? stamp : std::max(expected_, stamp);
    firstRecord_ = false;
    expected_ = steppedBy(mode_, reached, 1);
}

bool ExpectedStamp::pastEnd() const
{
    return expected_ > end_;
}
