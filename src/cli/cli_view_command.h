#pragma once

#include "cli/cli_options.h"

#include <QTextStream>

class WorkDirectory;

// The archive the file says it holds: by its header, or by its extension when the header names none.
std::optional<ArchiveKind> fileArchive(const QString& path);

// view FILE [--csv OUT] [--xlsx OUT] [--pdf OUT]: the archive data file as its
// viewer shows it, written as CSV, as the workbook of the chromatograph viewers'
// export, and as its viewer prints it, as PDF with the organisation of
// "title.ini"; the window caption (and the calculation method) on `out`. The
// archive is the one the file's header names (else its extension's), the
// presentation settings those of "repconf.ini" in `directory`. Returns the exit
// status: 0 written, 1 a file refused or not written (the reason on `errors`);
// a workbook of moisture-meter data is refused before anything is written.
int runViewCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out, QTextStream& errors);
