#pragma once

#include "tables/archive_period.h"

// The stamp the next record of a reading should carry, and the check of each
// record against it while the operator has not let the check go.
class ExpectedStamp {
public:
    ExpectedStamp(PeriodMode mode, const Period& period);

    enum class Check {
        InPeriod,
        Early, // before the expected stamp
        Late,  // after the end of the period (or, 5-minute, more than one slot ahead), or no moment at all
    };
    Check check(const DateStamp& recordStamp) const;

    // Steps past the record just written: one unit on, and never onto a record
    // already received, so that no record is asked for twice after a gap.
    void passRecord(const DateStamp& recordStamp);

    // Where the next request starts.
    const DateStamp& next() const { return expected_; }
    // The period is read to its end.
    bool pastEnd() const;

private:
    DateStamp unitOf(const DateStamp& stamp) const;

    PeriodMode mode_;
    DateStamp end_;
    DateStamp expected_;
    bool firstRecord_ = true;
};
