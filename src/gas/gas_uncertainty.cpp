#include "gas/gas_uncertainty.h"

#include "gas/finite_value.h"

#include <cmath>

namespace {

constexpr double Percent = 0.01;
// The fraction's relative uncertainty model: 0.015 · x^0.55, expanded with coverage factor 2.
constexpr double FractionExponent = 0.55;
constexpr double FractionCoefficient = 0.015;
constexpr double CoverageFactor = 2;
// The Wobbe index shown in kcal/m3 is taken back to MJ/m3 with the rounded factor of its formula.
constexpr double MegajoulesPerKilocalorie = 0.0041827;

const ComponentProperties& methane()
{
    return ComponentTable[MethaneComponent];
}

// U of a heat of combustion: the fractions' uncertainty against methane's heat,
// and each component's own heat uncertainty.
double heatUncertainty(const GasParams& record, const ComponentUncertainties& fractions,
                       const ComponentSlotMap& slotMap, double (*heat)(const ComponentProperties&))
{
    double fromFractions = 0;
    double fromHeats = 0;
    for (int k = 0; k < ComponentCount; ++k) {
        const ComponentProperties& component = ComponentTable[k];
        fromFractions += std::pow(fractions[k] * (heat(component) - heat(methane())), 2);
        const double own = component.heatUncertainty * heat(component) * Percent;
        fromHeats += std::pow(own * record[slotMap.componentSlot(k)] * Percent, 2);
    }
    return std::sqrt(fromFractions + fromHeats);
}

double superiorHeat(const ComponentProperties& c)
{
    return c.superiorHeat.megajoules;
}

double inferiorHeat(const ComponentProperties& c)
{
    return c.inferiorHeat.megajoules;
}

double molarMassUncertainty(const ComponentUncertainties& fractions)
{
    double total = 0;
    for (int k = 0; k < ComponentCount; ++k)
        total += std::pow((ComponentTable[k].molarMass - methane().molarMass) * fractions[k], 2);
    return std::sqrt(total);
}

double wobbeIndexUncertainty(const GasParams& record, const ComponentUncertainties& fractions,
                             const ComponentSlotMap& slotMap, HeatUnit unit)
{
    const double toMegajoules = unit == HeatUnit::Kilocalorie ? MegajoulesPerKilocalorie : 1;
    const double ofRelativeDensity = molarMassUncertainty(fractions) / AirMolarMass;
    const double ofHeat = heatUncertainty(record, fractions, slotMap, superiorHeat);
    const double relative = std::sqrt(std::pow(ofRelativeDensity / (2 * record[GasSlot::RelativeDensity]), 2) +
                                      std::pow(ofHeat / (record[GasSlot::SuperiorHeat] * toMegajoules), 2));
    return record[GasSlot::WobbeIndex] * relative * toMegajoules;
}

} // namespace

ComponentUncertainties componentUncertainty(const GasParams& record, const ComponentSlotMap& slotMap)
{
    ComponentUncertainties result{};
    for (int k = 0; k < ComponentCount; ++k) {
        const double fraction = record[slotMap.componentSlot(k)];
        result[k] = finiteOrZero(std::pow(fraction, FractionExponent) * FractionCoefficient * CoverageFactor * Percent);
    }
    return result;
}

double propertyUncertainty(const GasParams& record, int slot, const ComponentUncertainties& fractions,
                           const ComponentSlotMap& slotMap, HeatUnit unit)
{
    switch (slot) {
    case GasSlot::SuperiorHeat:
        return finiteOrZero(heatUncertainty(record, fractions, slotMap, superiorHeat));
    case GasSlot::InferiorHeat:
        return finiteOrZero(heatUncertainty(record, fractions, slotMap, inferiorHeat));
    case GasSlot::RelativeDensity:
        return finiteOrZero(molarMassUncertainty(fractions) / AirMolarMass);
    case GasSlot::Density:
        return finiteOrZero(molarMassUncertainty(fractions) * ReferencePressureKPa /
                            (GasConstant * ReferenceTemperatureK));
    case GasSlot::WobbeIndex:
        return finiteOrZero(wobbeIndexUncertainty(record, fractions, slotMap, unit));
    default:
        return 0;
    }
}
