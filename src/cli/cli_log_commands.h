#pragma once

#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>

class WorkDirectory;

// read-log: the controller identified and its basic data read as the program
// does, the log read by index (the range checked against the log's bounds as
// the index dialog checks it) or by period, and saved as the log file the
// viewer would save (and, with --csv, as view writes it). Returns the exit
// status (0 saved, 1 nothing saved, the reason on `errors`).
int readLogCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                   QTextStream& errors);

// view of a log file (".aud", ".ala", or a header signed "AUD" or "ALA"): its
// rows as CSV; the window caption on `out`. Returns the exit status.
int viewLogCommand(LogKind kind, const CliOptions& options, QTextStream& out, QTextStream& errors);
