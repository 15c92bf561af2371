#pragma once

#include <array>

// The four values of a moisture-meter record, single precision.
inline constexpr int WmtParamsSize = 4;
using WmtParams = std::array<float, WmtParamsSize>;

namespace WmtSlot {
inline constexpr int WaterDewPoint = 0;        // WDP at working pressure, °С
inline constexpr int HydrocarbonDewPoint = 1;  // HDP at working pressure, °С
inline constexpr int GaugePressure = 2;        // of the gas at the WDP measurement, bar
inline constexpr int ReducedWaterDewPoint = 3; // WDP reduced to the absolute pressure of 3.92 MPa, °С
} // namespace WmtSlot
