#pragma once

#include "cli/cli_options.h"
#include "exchange/request_layer.h"

#include <QTextStream>
#include <functional>

// Opens the link, runs a command over it and closes the link; returns the
// command's exit status, or the failure status when the link cannot be opened.
using OverLink = std::function<int(const std::function<int(RequestLayer&)>& command)>;

// save-config, config-info, write-config and config-diff. Files are read and
// checked before the link is opened, and a link is opened only when the
// controller is one of the sides. Returns the exit status.
int runConfigurationCommand(const CliOptions& options, const OverLink& overLink, QTextStream& out, QTextStream& errors);

bool isConfigurationCommand(CliOptions::Command command);
