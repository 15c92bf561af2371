#pragma once

#include "sim/sim_server_options.h"

#include <QStringList>

// The options of gqc_sim, turned into what the simulator is made of.
class SimCommandLine {
public:
    // `arguments` includes the program name; false with a reason on a bad option.
    static bool parse(const QStringList& arguments, SimServerOptions* options, QString* error);
    static QString usage();
    // --help or -h: the usage goes to stdout and nothing starts.
    static bool asksForUsage(const QStringList& arguments);
};
