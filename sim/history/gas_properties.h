#pragma once

#include <array>

namespace SimHist {

// The twenty gas parameters of one analysis, in the controller's slot order.
using GasValues = std::array<double, 20>;

namespace GasSlot {
constexpr int hexanePlus = 0;
constexpr int propane = 1;
constexpr int isoButane = 2;
constexpr int normalButane = 3;
constexpr int neoPentane = 4;
constexpr int isoPentane = 5;
constexpr int normalPentane = 6;
constexpr int nitrogen = 7;
constexpr int methane = 8;
constexpr int carbonDioxide = 9;
constexpr int ethane = 10;
constexpr int superiorHeat = 11;
constexpr int density = 12;
constexpr int superiorWobbe = 13;
constexpr int compressionFactor = 14;
constexpr int fractionSum = 15;
constexpr int temperature = 16;
constexpr int oxygen = 17;
constexpr int inferiorHeat = 18;
constexpr int relativeDensity = 19;
constexpr int count = 20;
} // namespace GasSlot

// The slots that hold mole fractions of components, in %.
constexpr std::array<int, 12> componentSlots = {GasSlot::hexanePlus,    GasSlot::propane,    GasSlot::isoButane,
                                                GasSlot::normalButane,  GasSlot::neoPentane, GasSlot::isoPentane,
                                                GasSlot::normalPentane, GasSlot::nitrogen,   GasSlot::methane,
                                                GasSlot::carbonDioxide, GasSlot::ethane,     GasSlot::oxygen};

// Fills the heats of combustion, the densities, the Wobbe index and the compression factor from
// the mole fractions, at the metering conditions 20 °C and 101.325 kPa (heats in MJ/m3).
void completeGasProperties(GasValues& values);

} // namespace SimHist
