#pragma once

#include "archives/archive_records.h"
#include "exchange/request_context.h"
#include "tables/archive_period.h"

#include <optional>

// The hours of a gas day or the days of a month as a spreadsheet report
// takes them from an hourly or daily archive.
struct IntervalLinesRequest {
    ArchiveKind kind; // an hourly or daily archive of either instrument
    Period period;    // cut to the archive's unit
    int mostLines;    // the day's 24 hours, the month's days
    // When given (the moisture meter after the chromatograph), line k must
    // have the stamp of line k of these.
    const ArchiveRecords* matching = nullptr;
    int progressFrom = 0; // the progress bar's position before the first line
};

// Reads the lines from the period's start on: each answer's records in turn,
// every one within the period and not before the last, until the period or
// `mostLines` is complete or an answer brings no record; each next request
// starts from the unit after the last line. Panel 2 and the messages tell
// why a reading failed: a failed request or no line at all ("... из архива" /
// "не прочитаны"), a line out of the period, a line whose stamp differs from
// its match, or Esc (told nothing). The progress bar moves one step per line.
std::optional<ArchiveRecords> readIntervalLines(RequestContext context, const IntervalLinesRequest& request);
