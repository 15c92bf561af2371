#pragma once

#include "sim/history/clock_moment.h"
#include "sim/history/damaged_stamps.h"
#include "sim/history/episode_schedule.h"
#include "sim/history/gas_model.h"
#include "sim/history/moisture_model.h"

#include <QByteArray>

namespace SimHist {

// The span of one hourly or daily record.
struct ArchiveInterval {
    ClockMoment start;        // the record's date and start time
    ClockMoment end;          // the averaging runs up to here
    ClockMoment closed;       // the end time the record shows
    bool daily = false;       // daily records carry the end-hour flag
    bool closedOnTime = true; // the day was closed at its end hour (flag set)
};

// The records of the six archives, made for any stamp from the gas, the moisture and the
// episodes at that time. Record sizes and offsets are the controller's archive layouts.
class ArchiveRecordMaker {
public:
    static constexpr int chromatographMomentSize = 93;
    static constexpr int chromatographIntervalSize = 92;
    static constexpr int moistureMomentSize = 29;
    static constexpr int moistureIntervalSize = 28;

    ArchiveRecordMaker(const GasModel& gas, const MoistureModel& moisture, const EpisodeSchedule& episodes,
                       ClockMoment historyStart, const DamagedStamps& damaged);

    QByteArray chromatographMoment(ClockMoment slot) const;
    QByteArray moistureMoment(ClockMoment slot) const;
    QByteArray chromatographInterval(const ArchiveInterval& interval) const;
    QByteArray moistureInterval(const ArchiveInterval& interval) const;

private:
    // The 5-minute intervals of the span that the controller lived through.
    template <typename Visit> void forEachSlot(const ArchiveInterval& interval, Visit visit) const;
    void putIntervalHeader(QByteArray& record, const ArchiveInterval& interval, std::uint8_t status) const;

    GasModel gas_;
    MoistureModel moisture_;
    EpisodeSchedule episodes_;
    ClockMoment firstSlot_;
    DamagedStamps damaged_;
};

} // namespace SimHist
