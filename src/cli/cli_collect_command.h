#pragma once

#include "cli/cli_options.h"
#include "link/hgcbox.h"

#include <QTextStream>
#include <functional>

class WorkDirectory;

// collect: every chosen subscriber of the lists collected in turn (see
// collectStation), or with --jobs N up to N Ethernet stations at once, then the
// summary on `out`: a header line and one tab-separated line per station.
// Returns the exit status: 0 every station succeeded, 1 any failed or there was
// none to collect from, 2 an --only name that no list holds.
int collectCommand(const CliOptions& options, const WorkDirectory& directory,
                   const std::function<void(hgcbox&)>& prepareEngine, QTextStream& out, QTextStream& errors);
