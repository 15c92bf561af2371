#pragma once

#include "archives/archive_kind.h"
#include "tables/date_stamp.h"

#include <QString>

// The documents the print-choice dialog knows, by the numbers of its kinds.
enum class PrintKind {
    ChromHourly = 0,
    ChromDaily = 1,
    ChromMoment = 2,
    DiagnosticLog = 3,
    InterventionLog = 4,
    CalibrationQuality = 5,
    WmtHourly = 6,
    WmtDaily = 7,
    WmtMoment = 8,
};

// The three title lines of a document: what it is, whose, and for which period.
struct DocumentTitle {
    QString title;
    QString second;
    QString period;
};

// The kind's lines for data from `start` to `end`: to the hour for hourly data,
// to the day for daily data, to the second for the others.
DocumentTitle documentTitle(PrintKind kind, const DateStamp& start, const DateStamp& end);

// The document an archive's viewer prints.
PrintKind printKindOf(ArchiveKind archive);
