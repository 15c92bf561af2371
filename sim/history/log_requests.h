#pragma once

#include "sim/history/damaged_stamps.h"
#include "sim/history/diagnostic_records.h"
#include "sim/history/intervention_records.h"
#include "sim/history/log_timeline.h"
#include "sim/history/sim_reply.h"
#include "sim/table_memory.h"

#include <QByteArrayView>
#include <optional>

namespace SimHist {

// The intervention and diagnostic logs: requests 7 (by global index) and 8 (by period, block by
// block), and their index bounds in tables 10 and 11. A reading by period is a series of requests
// numbered 0, 1, ... 255, 1, ...; the controller follows the series and repeats the last block when
// it is asked for again.
class LogRequests {
public:
    LogRequests(const SeededNoise& noise, ClockMoment historyStart, qint64 calibrationTime,
                const DamagedStamps& damaged);

    SimReply answer(std::uint8_t function, QByteArrayView data, ClockMoment now);
    // Tables 10, 11 and 12: the oldest and newest index of the diagnostic, intervention and
    // calibration-quality logs.
    void writeBounds(TableMemory& tables, ClockMoment now) const;

private:
    struct Log {
        const LogTimeline& timeline;
        const LogRecordMaker& records;
        int perBlock;
    };
    struct Series {
        std::uint8_t selector;
        QByteArray period;
        std::uint8_t block;
        std::uint32_t blockStart;
        std::uint32_t next;
    };

    Log log(std::uint8_t selector) const;
    SimReply byIndex(QByteArrayView data, ClockMoment now) const;
    SimReply byPeriod(QByteArrayView data, ClockMoment now);
    // Where a block of the period reading begins, or the error that refuses it.
    struct BlockPlace {
        std::uint8_t error = 0;
        std::uint32_t start = 0;
    };
    BlockPlace placeOf(std::uint8_t selector, QByteArrayView period, std::uint8_t block, std::uint32_t first) const;

    LogTimeline diagnosticTimeline_;
    LogTimeline interventionTimeline_;
    LogTimeline calibrationTimeline_;
    DiagnosticRecords diagnostics_;
    InterventionRecords interventions_;
    DamagedStamps damaged_;
    std::optional<Series> series_;
};

} // namespace SimHist
