#pragma once

#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>

class WorkDirectory;

// watch [--count N]: once a second the latest analysis (table 30) as the
// presentation settings of "repconf.ini" in `directory` show it, the zone of
// every parameter (table 32) and the links to the chromatograph and the
// moisture meter (table 33), `--count` rounds or until interrupted. Returns the
// exit status: 0 done, 1 a failed exchange (the reason on `errors`).
int watchCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                 QTextStream& errors);
