#pragma once

#include "sim/table_memory.h"

#include <QByteArray>
#include <QString>

struct SimControllerOptions;

// The running configuration the simulated controller starts with: every table sized
// by its memory map, the configuration defaults of a new configuration, a name held in
// code page 866, three users and the chosen number of flow computers.
class SimDefaultTables {
public:
    static void fill(TableMemory& tables, const SimControllerOptions& options);

    // Bit-rate code of the controller's port tables for a rate; -1 when it has none.
    static int baudCode(int bitsPerSecond);
    static int baudRate(int code);

    // The controller's name text, blank-padded to 20 bytes in code page 866.
    static QByteArray nameInCodePage866(const QString& name);
};
