#pragma once

#include "archives/archive_records.h"
#include "exchange/request_context.h"
#include "tables/archive_period.h"

#include <optional>

// The lines of both instruments a spreadsheet report writes: the hours of a
// gas day or the days of a month, line k of the moisture meter for the stamp
// of line k of the chromatograph.
struct PairedLines {
    ArchiveRecords chrom;
    ArchiveRecords wmt;
};

// Reads the chromatograph's lines of the hourly or daily archive `chromKind`
// and then the moisture meter's of `wmtKind` under the progress window, Esc
// stopping them. Each instrument's lines are read from the period's start on:
// every record of each answer in turn, within the period and not before the
// last, until the period or `mostLines` is complete or an answer brings no
// record; each next request starts from the unit after the last line. None
// after the message saying why (Esc says nothing): a failed request or no line
// at all ("... из архива" / "не прочитаны"), a line out of the period, a
// moisture-meter line whose stamp differs from its chromatograph line's, or
// lines that differ in number.
std::optional<PairedLines> readPairedLines(RequestContext context, ArchiveKind chromKind, ArchiveKind wmtKind,
                                           const Period& period, int mostLines);
