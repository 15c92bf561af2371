#include "sim/history/gas_model.h"

#include <cmath>
#include <numbers>

namespace SimHist {

namespace {

struct ComponentRange {
    int slot;
    double low; // mole %
    double high;
};

// Every component but methane, which makes up the rest to 100 %.
constexpr std::array<ComponentRange, 11> minorComponents = {{
    {GasSlot::hexanePlus, 0.006, 0.014},
    {GasSlot::propane, 0.30, 0.55},
    {GasSlot::isoButane, 0.05, 0.08},
    {GasSlot::normalButane, 0.06, 0.10},
    {GasSlot::neoPentane, 0.0008, 0.002},
    {GasSlot::isoPentane, 0.012, 0.020},
    {GasSlot::normalPentane, 0.009, 0.016},
    {GasSlot::nitrogen, 0.55, 1.05},
    {GasSlot::carbonDioxide, 0.08, 0.35},
    {GasSlot::ethane, 1.2, 2.0},
    {GasSlot::oxygen, 0.004, 0.015},
}};

constexpr double dailySwing = 0.04;         // relative amplitude of the swing through the day
constexpr double slowSwing = 0.08;          // relative amplitude of the drift over days
constexpr double repeatability = 0.005;     // relative scatter of one analysis
constexpr double fractionSumSwing = 0.06;   // % around 100 of the unnormalised sum
constexpr double fractionSumScatter = 0.02; // %
constexpr double gasTemperature = 59.8;     // °C, the sample line is held warm
constexpr double temperatureSwing = 0.25;
constexpr double temperatureScatter = 0.03;

double cycles(ClockMoment moment, double periodDays)
{
    return 2.0 * std::numbers::pi * static_cast<double>(moment.seconds()) / (periodDays * ClockMoment::day);
}

} // namespace

GasModel::GasModel(const SeededNoise& noise) : noise_(noise)
{
    for (const ComponentRange& range : minorComponents)
        base_[range.slot] = noise_.between(range.low, range.high, NoiseStream::gasBase, range.slot);
    for (int slot = 0; slot < GasSlot::count; ++slot) {
        dailyPhase_[slot] = noise_.between(0.0, 2.0 * std::numbers::pi, NoiseStream::gasDailyPhase, slot);
        slowPhase_[slot] = noise_.between(0.0, 2.0 * std::numbers::pi, NoiseStream::gasSlowPhase, slot);
        slowPeriodDays_[slot] = noise_.between(3.0, 9.0, NoiseStream::gasSlowPeriod, slot);
    }
}

GasValues GasModel::analysisAt(ClockMoment moment) const
{
    return compose(moment, true);
}

GasValues GasModel::substituteAt(ClockMoment moment) const
{
    return compose(moment, false);
}

double GasModel::drift(int slot, ClockMoment moment) const
{
    return std::sin(cycles(moment, 1.0) + dailyPhase_[slot]) * dailySwing +
           std::sin(cycles(moment, slowPeriodDays_[slot]) + slowPhase_[slot]) * slowSwing;
}

GasValues GasModel::compose(ClockMoment moment, bool scattered) const
{
    // A triangular scatter in [-1, 1): the sum of two uniform draws.
    const auto scatter = [&](int slot) {
        if (!scattered)
            return 0.0;
        return noise_.unit(NoiseStream::gasRepeatability, moment.seconds(), 2 * slot) +
               noise_.unit(NoiseStream::gasRepeatability, moment.seconds(), 2 * slot + 1) - 1.0;
    };
    GasValues values{};
    double minorSum = 0.0;
    for (const ComponentRange& range : minorComponents) {
        const int slot = range.slot;
        values[slot] = base_[slot] * (1.0 + drift(slot, moment) + scatter(slot) * repeatability);
        minorSum += values[slot];
    }
    values[GasSlot::methane] = 100.0 - minorSum;
    values[GasSlot::fractionSum] =
        100.0 +
        std::sin(cycles(moment, slowPeriodDays_[GasSlot::fractionSum]) + slowPhase_[GasSlot::fractionSum]) *
            fractionSumSwing +
        scatter(GasSlot::fractionSum) * fractionSumScatter;
    values[GasSlot::temperature] =
        gasTemperature + std::sin(cycles(moment, 1.0) + dailyPhase_[GasSlot::temperature]) * temperatureSwing +
        scatter(GasSlot::temperature) * temperatureScatter;
    completeGasProperties(values);
    return values;
}

} // namespace SimHist
