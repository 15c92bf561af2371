#pragma once

#include "sim/table_memory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <cstdint>

// One answer of the simulated controller, without its frame: either the bytes
// between the function code and the checksum (A[4] .. A[M-3]) or an error code.
struct SimReply {
    bool error = false;
    std::uint8_t errorCode = 0;
    QByteArray body;
};

struct SimHistoryOptions {
    std::uint32_t seed = 1;
    bool moistureMeter = true;
    QList<QDateTime> damagedRecords; // records stamped at these moments carry a wrong checksum
};

// The controller's measurement history: archives, event logs and current data,
// generated deterministically from the seed for any moment.
class SimHistory {
public:
    explicit SimHistory(const SimHistoryOptions& options);

    // Function codes answered here: log requests 7 and 8, archive requests 14, 15 and 16.
    static bool handles(std::uint8_t function);
    SimReply answer(std::uint8_t function, QByteArrayView data, const QDateTime& now);

    // Brings the tables that reflect the history and the current measurements up to `now`.
    void refreshTables(TableMemory& tables, const QDateTime& now);

private:
    SimHistoryOptions options_;
};
