#pragma once

#include <array>
#include <cstdint>

namespace SimHist {

// The controller's factory set-points of one gas parameter: insensitivity zone, lower and upper
// warning set-points, lower and upper limits of the values written into the flow computers.
struct SetPointDefaults {
    double zone;
    double lowerWarning;
    double upperWarning;
    double lowerLimit;
    double upperLimit;
};

// By gas-parameter slot; slots 15 and 16 have no set-points.
const std::array<SetPointDefaults, 20>& setPointDefaults();
// The unit code of a slot's values in the event logs (%, MJ/m3, kg/m3, °C or none).
std::uint8_t slotUnitCode(int slot);
// A slot that has set-points, chosen by a number.
int setPointSlot(std::uint64_t choice);

} // namespace SimHist
