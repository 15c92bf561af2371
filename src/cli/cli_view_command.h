#pragma once

#include "cli/cli_options.h"

#include <QTextStream>

class WorkDirectory;

// view FILE [--csv OUT] [--pdf OUT]: the archive data file as its viewer shows
// it, written as CSV, and as its viewer prints it, written as PDF with the
// organisation of "title.ini"; the window caption (and the calculation method) on `out`. The
// archive is the one the file's header names (else its extension's), the
// presentation settings those of "repconf.ini" in `directory`. Returns the exit
// status: 0 written, 1 a file refused or not written (the reason on `errors`).
int runViewCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out, QTextStream& errors);
