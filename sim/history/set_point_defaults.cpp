#include "sim/history/set_point_defaults.h"

#include "sim/history/gas_properties.h"

namespace SimHist {

namespace {

namespace Unit {
constexpr std::uint8_t none = 0;
constexpr std::uint8_t degrees = 2;
constexpr std::uint8_t percent = 5;
constexpr std::uint8_t heat = 9;
constexpr std::uint8_t density = 10;
} // namespace Unit

constexpr std::array<int, 18> slotsWithSetPoints = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 19};

} // namespace

const std::array<SetPointDefaults, 20>& setPointDefaults()
{
    static const std::array<SetPointDefaults, 20> defaults = {{
        {0.01, 0.002, 0.6, 0.001, 0.6},
        {0.05, 0.05, 6, 0.01, 6},
        {0.01, 0.002, 1.2, 0.001, 1.2},
        {0.01, 0.002, 1.2, 0.001, 1.2},
        {0.01, 0.0002, 1.2, 0.0001, 1.2},
        {0.01, 0.0002, 1.2, 0.0001, 1.2},
        {0.01, 0.0002, 1.2, 0.0001, 1.2},
        {0.05, 0.2, 12, 0, 18},
        {5, 95, 100, 90, 100},
        {0.05, 0.01, 8, 0, 12},
        {0.05, 0.1, 10, 0.01, 12},
        {5, 36, 45, 35, 45},
        {0.0001, 0.67, 1, 0.66, 1.05},
        {5, 45, 55, 40, 55},
        {0.001, 0.998, 0.999, 0.997, 1},
        {0, 98, 103, 97, 103},
        {0, 59, 62, 54, 62},
        {0.01, 0.0002, 1.2, 0.0001, 1.2},
        {4, 32, 40, 30, 40},
        {0.0001, 0.5, 0.7, 0.425, 0.85},
    }};
    return defaults;
}

std::uint8_t slotUnitCode(int slot)
{
    switch (slot) {
    case GasSlot::superiorHeat:
    case GasSlot::superiorWobbe:
    case GasSlot::inferiorHeat:
        return Unit::heat;
    case GasSlot::density:
        return Unit::density;
    case GasSlot::compressionFactor:
    case GasSlot::relativeDensity:
        return Unit::none;
    case GasSlot::temperature:
        return Unit::degrees;
    default:
        return Unit::percent;
    }
}

int setPointSlot(std::uint64_t choice)
{
    return slotsWithSetPoints[choice % slotsWithSetPoints.size()];
}

} // namespace SimHist
