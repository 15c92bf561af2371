#pragma once

#include "base/operator.h"
#include "cli/cli_options.h"
#include "link/hgcbox.h"
#include "settings/settings.h"

#include <QMap>
#include <QTextStream>

// Loads the engine from the link's settings and the options, and opens the
// port or connects the socket; with --phone it then dials the controller's
// modem. Returns the exit status: 0 connected, 1 the link could not be opened
// or the dialling failed (told on `errors`), 2 a port text that names no port.
int connectEngine(const CliOptions& options, const Settings& settings, const QMap<int, QString>& comPorts,
                  hgcbox& engine, Operator& person, QTextStream& errors);

// Hangs a dialled modem up and closes the link.
void disconnectEngine(const CliOptions& options, hgcbox& engine, Operator& person);
