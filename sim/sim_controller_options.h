#pragma once

#include "sim/history/sim_history.h"
#include "sim/sim_fault.h"

#include <QDateTime>
#include <QList>
#include <QString>

// What the simulated controller is at its start.
struct SimControllerOptions {
    int address = 1;
    int typeCode = 73;     // another type lets a test see a foreign controller refused
    int version = 4;       // 4 in normal operation; 14 while its configuration must be written
    int flowComputers = 2; // 1 to 16
    QList<int> destroyed;  // configuration tables reported as destroyed
    int baud = 9600;       // bit rate of its port; must be one of the controller's rates
    QDateTime clock;       // start of its clock; invalid: the host's clock
    QString name = QStringLiteral("ГРС Северная");
    SimHistoryOptions history;
    QList<SimFault> faults;
    QString logFile; // request log, appended to; empty: none
};
