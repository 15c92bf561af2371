#pragma once

#include "cli/cli_options.h"
#include "link/hgcbox.h"

#include <QTextStream>

// Runs the command over the connected engine; returns the exit status
// (0 done, 1 a failed exchange told on `errors`).
int runCommand(const CliOptions& options, hgcbox& engine, QTextStream& out, QTextStream& errors);
