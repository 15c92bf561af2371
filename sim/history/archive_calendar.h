#pragma once

#include "sim/history/archive_record_maker.h"
#include "sim/history/clock_moment.h"
#include "sim/history/episode_schedule.h"

#include <QByteArray>

namespace SimHist {

enum class ArchiveUnit { fiveMinutes, hour, day };

// Which records the rings hold at a moment, and the span of each. A record is named by the start of
// its interval; a daily record's interval is the gas day, from the contract hour of its date to the
// contract hour of the next day. Each ring reaches back its depth (two months, one year, four years)
// from the last closed interval, but not before the history began.
class ArchiveCalendar {
public:
    ArchiveCalendar(ClockMoment historyStart, int contractHour);

    struct Span {
        ClockMoment oldest;
        ClockMoment newest;
        bool empty() const { return newest < oldest; }
    };
    Span span(ArchiveUnit unit, ClockMoment now) const;

    static qint64 length(ArchiveUnit unit);
    // The first record starting at or after the moment of a request stamp, and the last one starting
    // at or before it; a day stamp names the gas day of its date.
    ClockMoment firstRecordFrom(ArchiveUnit unit, ClockMoment stamp) const;
    ClockMoment lastRecordUpTo(ArchiveUnit unit, ClockMoment stamp) const;

    ArchiveInterval interval(ArchiveUnit unit, ClockMoment start, const EpisodeSchedule& episodes) const;

    // Table 27: the stamp of the first record of the 5-minute, hourly and daily archives, the daily
    // one with the day-shift flag when its gas day began the calendar day before.
    QByteArray firstRecordStamps(ClockMoment now) const;

private:
    ClockMoment gasDayStart(ClockMoment moment) const;
    ClockMoment firstRecord(ArchiveUnit unit) const;

    ClockMoment historyStart_;
    qint64 contractOffset_;
};

} // namespace SimHist
