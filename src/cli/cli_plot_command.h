#pragma once

#include "cli/cli_options.h"

#include <QTextStream>

class WorkDirectory;

// plot FILE --param NAME [--param NAME ...] -o OUT [--config FILE.cnf]: the
// trend chart of the archive data file as the viewers' "График" draws it, with
// the set-points of the configuration file, into OUT as a PDF (".pdf") or a
// PNG image; the values as "repconf.ini" in `directory` presents them. NAME is
// a column's short name or its caption as the viewer shows it. On `out` the
// caption, then a line per parameter with its points. Returns the exit status:
// 0 written, 1 a file refused or not written (the reason on `errors`), 2 a
// NAME no column has (the names of the file's columns on `errors`).
int runPlotCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out, QTextStream& errors);
