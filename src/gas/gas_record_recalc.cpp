#include "gas/gas_record_recalc.h"

#include "gas/component_table.h"
#include "gas/finite_value.h"

#include <cmath>

namespace {

// Relative density to density, kg/m3, at 20 °C and 101.325 kPa.
constexpr double AirDensity = 1.20445;
constexpr double Percent = 0.01;

using Fractions = std::array<double, ComponentCount>;

// Molar fractions, %, with a value the controller could not give counted as 0.
Fractions molarFractions(const GasParams& record, const ComponentSlotMap& slotMap)
{
    Fractions fractions{};
    for (int k = 0; k < ComponentCount; ++k)
        fractions[k] = finiteOrZero(record[slotMap.componentSlot(k)]);
    return fractions;
}

// Methane takes what the other components leave of 100 %; a record with no
// component at all is an empty analysis and stays as it is.
bool correctMethane(Fractions& molar)
{
    double others = 0;
    for (int k = 0; k < ComponentCount; ++k)
        if (k != MethaneComponent)
            others += molar[k];
    if (others == 0 && molar[MethaneComponent] == 0)
        return false;
    molar[MethaneComponent] = 100 - others;
    return true;
}

Fractions volumeFractions(const Fractions& molar)
{
    double total = 0;
    for (int k = 0; k < ComponentCount; ++k)
        total += molar[k] * ComponentTable[k].compressionFactor;
    Fractions volume{};
    if (total != 0)
        for (int k = 0; k < ComponentCount; ++k)
            volume[k] = molar[k] * ComponentTable[k].compressionFactor / total * 100;
    return volume;
}

double sum(const Fractions& fractions)
{
    double total = 0;
    for (double fraction : fractions)
        total += fraction;
    return total;
}

// Sum of fraction × a component's property, the fractions in %.
template <typename Property> double weighted(const Fractions& fractions, Property property)
{
    double total = 0;
    for (int k = 0; k < ComponentCount; ++k)
        total += fractions[k] * property(ComponentTable[k]) * Percent;
    return total;
}

// The properties recomputed from the composition (GOST): always over volume
// fractions, whichever fractions are shown.
void recomputeProperties(GasParams& out, const Fractions& volume, HeatUnit unit)
{
    const double superiorHeat = weighted(volume, [unit](const auto& c) { return c.superiorHeat.in(unit); });
    const double relativeDensity = weighted(volume, [](const auto& c) { return c.relativeDensity; });
    out[GasSlot::SuperiorHeat] = finiteSingle(superiorHeat);
    out[GasSlot::InferiorHeat] =
        finiteSingle(weighted(volume, [unit](const auto& c) { return c.inferiorHeat.in(unit); }));
    out[GasSlot::RelativeDensity] = finiteSingle(relativeDensity);
    out[GasSlot::Density] = finiteSingle(relativeDensity * AirDensity);
    out[GasSlot::WobbeIndex] = finiteSingle(relativeDensity != 0 ? superiorHeat / std::sqrt(relativeDensity) : 0);
}

// The controller's own properties (ISO); it sends the heats in MJ.
void controllerProperties(GasParams& out, const GasParams& in, HeatUnit unit)
{
    const double heatFactor = unit == HeatUnit::Kilocalorie ? KilocaloriesPerMegajoule : 1;
    for (int slot : {GasSlot::SuperiorHeat, GasSlot::InferiorHeat, GasSlot::WobbeIndex})
        out[slot] = finiteSingle(in[slot] * heatFactor);
    for (int slot : {GasSlot::Density, GasSlot::RelativeDensity})
        out[slot] = finiteOrZero(in[slot]);
}

} // namespace

GasParams recalcGasRecord(const GasParams& record, const ReportSettings& settings, const ComponentSlotMap& slotMap)
{
    Fractions molar = molarFractions(record, slotMap);
    const bool corrected = settings.correction() == 1 && correctMethane(molar);
    const Fractions volume = volumeFractions(molar);

    GasParams out{};
    const bool showVolume = settings.fractionKind() == 1;
    const Fractions& shown = showVolume ? volume : molar;
    for (int k = 0; k < ComponentCount; ++k)
        out[slotMap.componentSlot(k)] = finiteSingle(shown[k]);
    // Uncorrected molar fractions show their own sum, as the row "Сумма молярных
    // долей всех компонентов" says, not the controller's figure: that one may
    // disagree with the fractions beside it (a NaN among them counted as 0 here).
    out[GasSlot::SumOfFractions] = finiteSingle(corrected && !showVolume ? 100 : sum(shown));

    const HeatUnit unit = settings.heatUnit() == 1 ? HeatUnit::Kilocalorie : HeatUnit::Megajoule;
    if (settings.calculationMethod() == 1)
        recomputeProperties(out, volume, unit);
    else
        controllerProperties(out, record, unit);

    out[GasSlot::CompressionFactor] = finiteOrZero(record[GasSlot::CompressionFactor]);
    out[GasSlot::GasTemperature] = finiteOrZero(record[GasSlot::GasTemperature]);
    return out;
}
