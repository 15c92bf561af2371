#pragma once

#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>

// Runs the command over the connected engine through the request layer;
// returns the exit status (0 done, 1 a failed exchange told on `errors`).
int runCommand(const CliOptions& options, RequestLayer& layer, QTextStream& out, QTextStream& errors);
