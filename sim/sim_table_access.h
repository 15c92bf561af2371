#pragma once

#include "sim/sim_outcome.h"

#include <QByteArrayView>

class SimClock;
class SimConfigState;
class TableMemory;

// Reads and writes of table fields (function codes 1 and 2) with the controller's checks.
class SimTableAccess {
public:
    static constexpr int largestReadData = 245; // field bytes that fit into one answer

    SimTableAccess(TableMemory& tables, SimConfigState& state, SimClock& clock);

    // `body` is R[4] .. R[L-3]: the value byte, then table, first field, field count.
    SimOutcome read(QByteArrayView body);
    // `body` is R[4] .. R[L-3]: credentials, value byte, table, first field, count, values.
    SimOutcome write(QByteArrayView body);

    // Brings the tables the controller computes (identification, date, table states) up to date.
    void refreshComputedTables();

    // Number of flow computers, as table 9 holds it.
    int flowComputers() const;

private:
    std::uint8_t checkValues(int table, const QByteArray& candidate) const;

    TableMemory& tables_;
    SimConfigState& state_;
    SimClock& clock_;
};
