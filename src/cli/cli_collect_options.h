#pragma once

#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <optional>

// The options of collect into `options`; what is wrong with them, if anything.
// The stations come from the subscriber lists, so no --tcp or --phone; --serial
// names the modem's port instead of the telephone section of gqc.ini.
std::optional<QString> parseCollect(const QCommandLineParser& parser, CliOptions& options);
