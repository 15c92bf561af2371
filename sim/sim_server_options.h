#pragma once

#include "sim/sim_controller_options.h"
#include "sim/sim_modem.h"

#include <QString>

// The simulator as a whole: the controller and the lines it is reached through.
struct SimServerOptions {
    SimControllerOptions controller;
    bool tcp = false;
    QString tcpHost = QStringLiteral("127.0.0.1");
    quint16 tcpPort = 0; // 0: any free port
    bool pty = false;
    QString ptyLink; // symbolic link made to the pseudo-terminal; empty: none
    bool modem = false;
    SimModemSettings modemSettings;
    bool pace = false;
    int turnaroundMs = 0;
};
