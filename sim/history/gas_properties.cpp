#include "sim/history/gas_properties.h"

#include <cmath>

namespace SimHist {

namespace {

struct ComponentData {
    int slot;
    double molarMass;    // g/mol
    double superiorHeat; // MJ/m3, ideal gas
    double inferiorHeat; // MJ/m3, ideal gas
    double summation;    // summation factor at 20 °C
};

constexpr std::array<ComponentData, 12> components = {{
    {GasSlot::methane, 16.043, 37.044, 33.365, 0.0430},
    {GasSlot::ethane, 30.070, 64.910, 59.390, 0.0883},
    {GasSlot::propane, 44.097, 92.290, 84.940, 0.1261},
    {GasSlot::isoButane, 58.123, 119.270, 110.080, 0.1703},
    {GasSlot::normalButane, 58.123, 119.650, 110.450, 0.1789},
    {GasSlot::neoPentane, 72.150, 146.100, 135.110, 0.2140},
    {GasSlot::isoPentane, 72.150, 146.510, 135.510, 0.2236},
    {GasSlot::normalPentane, 72.150, 146.740, 135.740, 0.2345},
    {GasSlot::hexanePlus, 86.177, 173.800, 160.950, 0.3000},
    {GasSlot::nitrogen, 28.013, 0.0, 0.0, 0.0158},
    {GasSlot::carbonDioxide, 44.010, 0.0, 0.0, 0.0728},
    {GasSlot::oxygen, 31.999, 0.0, 0.0, 0.0265},
}};

constexpr double idealMolarVolume = 24.0548; // dm3/mol at 20 °C and 101.325 kPa
constexpr double airMolarMass = 28.9626;
constexpr double airCompressionFactor = 0.99963;

} // namespace

void completeGasProperties(GasValues& values)
{
    double molarMass = 0.0;
    double superiorHeat = 0.0;
    double inferiorHeat = 0.0;
    double summation = 0.0;
    for (const ComponentData& component : components) {
        const double fraction = values[component.slot] / 100.0;
        molarMass += fraction * component.molarMass;
        superiorHeat += fraction * component.superiorHeat;
        inferiorHeat += fraction * component.inferiorHeat;
        summation += fraction * component.summation;
    }
    const double compression = 1.0 - summation * summation;
    const double relativeDensity = molarMass / airMolarMass * airCompressionFactor / compression;
    values[GasSlot::compressionFactor] = compression;
    values[GasSlot::superiorHeat] = superiorHeat / compression;
    values[GasSlot::inferiorHeat] = inferiorHeat / compression;
    values[GasSlot::density] = molarMass / idealMolarVolume / compression;
    values[GasSlot::relativeDensity] = relativeDensity;
    values[GasSlot::superiorWobbe] = values[GasSlot::superiorHeat] / std::sqrt(relativeDensity);
}

} // namespace SimHist
