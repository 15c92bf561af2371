#pragma once

#include "sim/history/episode_schedule.h"
#include "sim/history/gas_model.h"
#include "sim/history/moisture_model.h"
#include "sim/table_memory.h"

#include <cstdint>
#include <optional>

namespace SimHist {

// The controller's current measurements and state: tables 8 (functions), 16 (abnormal-situation
// flags), 30 (latest analysis), 32 (zones), 33 to 35 (links and flow-computer writing), 36 (moving
// averages) and 37 (latest moisture measurement). They follow the same gas, moisture and episodes
// as the archives, and read the configuration tables they depend on.
class CurrentData {
public:
    struct Links {
        bool moistureMeter = true;            // a moisture meter is connected at all
        std::uint16_t flowComputers = 0xFFFF; // bit k: the link with flow computer k + 1 is up
    };

    CurrentData(const GasModel& gas, const MoistureModel& moisture, const EpisodeSchedule& episodes,
                ClockMoment historyStart, const Links& links);

    void refresh(TableMemory& tables, ClockMoment now) const;

private:
    // The latest 5-minute interval, not after `now`, in which the instrument delivered a measurement.
    template <typename Delivered> std::optional<ClockMoment> latest(ClockMoment now, Delivered delivered) const;
    // The mean of the measurements delivered in the hour up to `last`.
    template <typename Values, typename Delivered, typename Measure>
    Values averageUpTo(ClockMoment last, Delivered delivered, Measure measure) const;

    void writeChromatographData(TableMemory& tables, std::optional<ClockMoment> analysis) const;
    void writeMovingAverages(TableMemory& tables, std::optional<ClockMoment> analysis,
                             std::optional<ClockMoment> measurement) const;
    void writeMoistureData(TableMemory& tables, std::optional<ClockMoment> measurement) const;
    bool writeZones(TableMemory& tables, bool analysed) const;
    bool flowComputerLinked(int index, int count) const;
    void writeFlowComputers(TableMemory& tables, bool exchangePossible) const;
    void writeAbnormalFlags(TableMemory& tables, ClockMoment now, const SlotConditions& conditions,
                            bool valueAbnormal) const;

    GasModel gas_;
    MoistureModel moisture_;
    EpisodeSchedule episodes_;
    ClockMoment firstSlot_;
    Links links_;
};

} // namespace SimHist
