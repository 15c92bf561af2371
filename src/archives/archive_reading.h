#pragma once

#include "archives/archive_file.h"
#include "exchange/request_context.h"
#include "tables/archive_period.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// One reading of an archive for a period, block by block, into the temporary
// file and from there into memory.
struct ArchiveReadingRequest {
    ArchiveKind kind;
    Period period;         // cut to the archive's unit, 5-minute periods to whole slots
    QString temporaryFile; // "datafile.hdm" of the working directory, emptied first
    std::function<QDateTime()> pcClock;
};

// Reads the records of the period with the progress window, Esc seen after
// each block. A record out of the period asks whether to go on (No keeps it and
// stops). A failed request ends the reading: at the first block nothing is
// shown (panel 2 has the engine's message), later the records so far are, and
// the operator is told they are incomplete, as after Esc before the end. The
// result is the header and the records the temporary file holds; none when
// there is nothing to show (an empty 5-minute result says "Нет данных за
// указанный период").
std::optional<ArchiveFile> readArchivePeriod(RequestContext context, const ArchiveReadingRequest& request);
