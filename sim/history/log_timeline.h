#pragma once

#include "sim/history/clock_moment.h"
#include "sim/history/seeded_noise.h"

#include <cstdint>

namespace SimHist {

// The global indices of one event log and the moments of its records. Record 1 is written soon
// after the history begins and the next ones follow at a steady mean spacing, each a little late
// by a seeded share of the spacing, so that the moments keep the order of the indices; the ring
// keeps the newest `capacity` records.
class LogTimeline {
public:
    struct Shape {
        std::int64_t logKey; // keeps the draws of different logs apart
        qint64 spacing;      // seconds between records
        qint64 latest;       // a record comes at most this many seconds after its place
        std::uint32_t capacity;
    };

    LogTimeline(const SeededNoise& noise, ClockMoment start, const Shape& shape);

    ClockMoment momentOf(std::uint32_t index) const;
    // 0 when the log holds no record yet.
    std::uint32_t newest(ClockMoment now) const;
    std::uint32_t oldest(ClockMoment now) const;
    // The first index whose record is not earlier than the moment.
    std::uint32_t firstAtOrAfter(ClockMoment moment) const;

private:
    SeededNoise noise_;
    ClockMoment start_;
    Shape shape_;
};

} // namespace SimHist
