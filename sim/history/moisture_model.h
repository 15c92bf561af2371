#pragma once

#include "sim/history/clock_moment.h"
#include "sim/history/seeded_noise.h"

#include <array>

namespace SimHist {

// The five values of the moisture meter, in the order of its current-data table (PV21 to PV25);
// the archive records carry the first four.
using MoistureValues = std::array<double, 5>;

namespace MoistureSlot {
constexpr int waterDewPoint = 0;               // °C at working pressure
constexpr int hydrocarbonDewPoint = 1;         // °C at working pressure
constexpr int waterDewPointPressure = 2;       // bar, gauge
constexpr int reducedWaterDewPoint = 3;        // °C at 3.92 MPa absolute
constexpr int hydrocarbonDewPointPressure = 4; // bar, gauge
constexpr int archivedCount = 4;               // PV21 to PV24
constexpr int count = 5;
} // namespace MoistureSlot

// The dew points and pressures the moisture meter measures, drifting through the day and over days.
class MoistureModel {
public:
    explicit MoistureModel(const SeededNoise& noise);

    MoistureValues measurementAt(ClockMoment moment) const;

private:
    SeededNoise noise_;
    double waterDewPoint_;
    double hydrocarbonDewPoint_;
    double pressure_;
    double dailyPhase_;
    double slowPhase_;
    double slowPeriodDays_;
};

} // namespace SimHist
