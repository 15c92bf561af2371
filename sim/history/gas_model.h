#pragma once

#include "sim/history/clock_moment.h"
#include "sim/history/gas_properties.h"
#include "sim/history/seeded_noise.h"

namespace SimHist {

// The gas flowing past the chromatograph: a lean natural gas whose composition the seed chooses,
// drifting smoothly through the day and over several days.
class GasModel {
public:
    explicit GasModel(const SeededNoise& noise);

    // One analysis at the moment: the composition plus the analysis' own small scatter.
    GasValues analysisAt(ClockMoment moment) const;
    // The composition without scatter: what the controller puts in place of a missing analysis.
    GasValues substituteAt(ClockMoment moment) const;

private:
    GasValues compose(ClockMoment moment, bool scattered) const;
    double drift(int slot, ClockMoment moment) const;

    SeededNoise noise_;
    GasValues base_{};
    GasValues dailyPhase_{};
    GasValues slowPhase_{};
    GasValues slowPeriodDays_{};
};

} // namespace SimHist
