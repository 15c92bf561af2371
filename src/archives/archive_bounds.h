#pragma once

#include "tables/archive_period.h"
#include "tables/date_stamp.h"

// What the controller tells of an archive's extent: the stamp of the first
// record it ever wrote (table 27) and its clock (table 2).
struct ArchiveExtent {
    DateStamp firstRecord; // without the day-shift flag
    bool dayShift = false; // daily archive: its first gas day began the calendar day before
    DateStamp now;
    int contractHour = 0; // the hour at which the gas day begins (table 6)
};

// The first and last record the archive can be expected to hold now. The
// 5-minute ring reaches back two months, the hourly one a year, the daily one
// four years; the first record ever written bounds them from below. When the
// newest bound precedes the oldest the archive holds nothing yet.
ArchiveBounds archiveBounds(PeriodMode mode, const ArchiveExtent& extent);
