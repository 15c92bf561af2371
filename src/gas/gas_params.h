#pragma once

#include <array>

// One chromatograph record as the controller computed it: the twenty gas
// parameters in the controller's slot order, single precision, heats and the
// Wobbe index in MJ/m3.
inline constexpr int GasParamsSize = 20;
using GasParams = std::array<float, GasParamsSize>;

// The slots of the properties; the components' slots come from ComponentSlotMap.
namespace GasSlot {
inline constexpr int Methane = 8;
inline constexpr int SuperiorHeat = 11;
inline constexpr int Density = 12;
inline constexpr int WobbeIndex = 13;
inline constexpr int CompressionFactor = 14;
inline constexpr int SumOfFractions = 15;
inline constexpr int GasTemperature = 16;
inline constexpr int InferiorHeat = 18;
inline constexpr int RelativeDensity = 19;
} // namespace GasSlot
