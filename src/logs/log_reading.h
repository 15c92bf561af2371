#pragma once

#include "exchange/request_context.h"
#include "logs/log_bounds.h"
#include "logs/log_kind.h"
#include "tables/archive_period.h"

#include <QByteArray>
#include <QString>
#include <optional>

class RequestLayer;

// The records a reading brought, oldest first, as the temporary file holds them.
struct LogRecords {
    QByteArray records;
    int count = 0;
    bool logError = false; // the controller reported an error in the log
};

// The log's bounds from its table; none when the read failed (the request
// layer has told the operator).
std::optional<LogBounds> readLogBounds(RequestLayer& layer, LogKind kind);

// Reads `range` in requests of at most ten records into `temporaryFile` (emptied
// first) with the progress window, Esc seen after each answer. A failed
// request (or an answer that does not hold what it announces) ends the
// reading with the engine's text in panel 2 and "не прочитаны" or "прочитаны
// не полностью" under the log's line; none when nothing was read.
std::optional<LogRecords> readLogByIndex(RequestContext context, LogKind kind, const IndexRange& range,
                                         const QString& temporaryFile);

// Reads the records of `period` block by block (block numbers 0, 1, ... 255,
// 1, ...) while the controller says more follow, with the same failures; an
// answer without records ends the reading even when it says more follow.
std::optional<LogRecords> readLogByPeriod(RequestContext context, LogKind kind, const Period& period,
                                          const QString& temporaryFile);
