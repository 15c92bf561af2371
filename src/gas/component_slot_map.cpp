#include "gas/component_slot_map.h"

namespace {

constexpr std::uint8_t LastKnownType = 2;
constexpr int SumOfFractionsEntry = 18;

} // namespace

ComponentSlotMap::ComponentSlotMap(std::uint8_t knownType)
    : slots_{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 11, 12, 13, 14, 18, 19, 15, 16}
{
    // This chromatograph does not send the sum of the fractions.
    if (knownType == 2)
        slots_[SumOfFractionsEntry] = NoSlot;
}

ComponentSlotMap ComponentSlotMap::forChromatographType(std::uint8_t type) const
{
    return type <= LastKnownType ? ComponentSlotMap(type) : *this;
}
