#include "sim/history/moisture_model.h"

#include <cmath>
#include <numbers>

namespace SimHist {

namespace {

constexpr double atmosphere = 1.01325;     // bar
constexpr double referencePressure = 39.2; // bar absolute, 3.92 MPa
constexpr double dewPointPerDecade = 14.0; // °C the water dew point moves per tenfold pressure

} // namespace

MoistureModel::MoistureModel(const SeededNoise& noise)
    : noise_(noise), waterDewPoint_(noise.between(-14.0, -9.0, NoiseStream::moistureBase, 0)),
      hydrocarbonDewPoint_(noise.between(-8.0, -3.0, NoiseStream::moistureBase, 1)),
      pressure_(noise.between(42.0, 52.0, NoiseStream::moistureBase, 2)),
      dailyPhase_(noise.between(0.0, 2.0 * std::numbers::pi, NoiseStream::moistureBase, 3)),
      slowPhase_(noise.between(0.0, 2.0 * std::numbers::pi, NoiseStream::moistureBase, 4)),
      slowPeriodDays_(noise.between(5.0, 11.0, NoiseStream::moistureBase, 5))
{
}

MoistureValues MoistureModel::measurementAt(ClockMoment moment) const
{
    const double dayAngle =
        2.0 * std::numbers::pi * static_cast<double>(moment.secondOfDay()) / ClockMoment::day + dailyPhase_;
    const double slow =
        std::sin(2.0 * std::numbers::pi * static_cast<double>(moment.seconds()) / (slowPeriodDays_ * ClockMoment::day) +
                 slowPhase_);
    const auto scatter = [&](int part, double size) {
        return (noise_.unit(NoiseStream::moistureRepeatability, moment.seconds(), part) - 0.5) * 2.0 * size;
    };
    MoistureValues values{};
    values[MoistureSlot::waterDewPoint] = waterDewPoint_ + 1.5 * std::sin(dayAngle) + 2.0 * slow + scatter(0, 0.05);
    values[MoistureSlot::hydrocarbonDewPoint] =
        hydrocarbonDewPoint_ + 1.2 * std::sin(dayAngle + 0.7) + 1.5 * slow + scatter(1, 0.05);
    values[MoistureSlot::waterDewPointPressure] =
        pressure_ + 2.0 * std::sin(dayAngle - 0.4) - 1.5 * slow + scatter(2, 0.02);
    values[MoistureSlot::hydrocarbonDewPointPressure] =
        values[MoistureSlot::waterDewPointPressure] + 0.2 + scatter(3, 0.02);
    const double absolute = values[MoistureSlot::waterDewPointPressure] + atmosphere;
    values[MoistureSlot::reducedWaterDewPoint] =
        values[MoistureSlot::waterDewPoint] + dewPointPerDecade * std::log10(referencePressure / absolute);
    return values;
}

} // namespace SimHist
