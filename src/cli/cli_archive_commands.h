#pragma once

#include "archives/archive_kind.h"
#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>
#include <optional>

class WorkDirectory;

// The refusal's two lines on one line of `errors`.
void printProblem(const InputProblem& problem, QTextStream& errors);

// The controller's identification read: it must be one the program serves;
// false with the reason on `errors`.
bool servedControllerIdentified(RequestLayer& layer, QTextStream& errors);

// The names of the six archives on the command line: chrom-5min, chrom-hour,
// chrom-day, wmt-5min, wmt-hour, wmt-day.
std::optional<ArchiveKind> archiveKindNamed(const QString& name);

// read-archive: the controller identified and its basic data read as the
// program does, the archive's bounds read and the period checked against them
// as the period dialog checks it, a 5-minute period guarded against the ring,
// the records read and saved as the archive data file the viewer would save
// (and, with --csv, as view writes them).
// Returns the exit status (0 saved, 1 nothing saved, the reason on `errors`).
int readArchiveCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                       QTextStream& errors);
