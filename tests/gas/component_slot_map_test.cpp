#include "gas/component_slot_map.h"

#include <gtest/gtest.h>

namespace {

std::array<int, ComponentSlotMap::EntryCount> entries(const ComponentSlotMap& map)
{
    std::array<int, ComponentSlotMap::EntryCount> mapped{};
    for (int entry = 0; entry < ComponentSlotMap::EntryCount; ++entry)
        mapped[entry] = map.slot(entry);
    return mapped;
}

} // namespace

TEST(ComponentSlotMap, ComponentsThenPropertiesAndTypeTwoWithoutTheSumOfFractions)
{
    const std::array<int, 20> known{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 11, 12, 13, 14, 18, 19, 15, 16};
    const ComponentSlotMap atStart;
    EXPECT_EQ(entries(atStart), known);
    EXPECT_EQ(atStart.forChromatographType(0), atStart);
    EXPECT_EQ(atStart.forChromatographType(1), atStart);

    std::array<int, 20> typeTwo = known;
    typeTwo[18] = 255;
    EXPECT_EQ(entries(atStart.forChromatographType(2)), typeTwo);
}

TEST(ComponentSlotMap, AnUnknownTypeKeepsTheMapInUse)
{
    const ComponentSlotMap typeTwo = ComponentSlotMap().forChromatographType(2);
    EXPECT_EQ(typeTwo.forChromatographType(3), typeTwo);
    EXPECT_EQ(typeTwo.forChromatographType(255), typeTwo);
    EXPECT_EQ(ComponentSlotMap().forChromatographType(3), ComponentSlotMap());
    EXPECT_EQ(typeTwo.forChromatographType(0), ComponentSlotMap());
}
