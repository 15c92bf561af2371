#include "gas/gas_uncertainty.h"

#include <gtest/gtest.h>

namespace {

const ComponentSlotMap slotMap;

GasParams methaneAndNitrogen()
{
    GasParams record{};
    record[8] = 95.0f;
    record[7] = 5.0f;
    record[11] = 35.2f;
    record[13] = 46.9f;
    record[19] = 0.575f;
    return record;
}

} // namespace

TEST(PropertyUncertainty, OnlyTheHeatsDensitiesAndWobbeIndexHaveOne)
{
    const GasParams record = methaneAndNitrogen();
    const ComponentUncertainties fractions = componentUncertainty(record, slotMap);
    for (int slot : {11, 12, 13, 18, 19})
        EXPECT_GT(propertyUncertainty(record, slot, fractions, slotMap, HeatUnit::Megajoule), 0) << "slot " << slot;
    for (int slot : {0, 8, 14, 15, 16, 17, -1, 20})
        EXPECT_EQ(propertyUncertainty(record, slot, fractions, slotMap, HeatUnit::Megajoule), 0) << "slot " << slot;
}

TEST(PropertyUncertainty, AFailedComputationGivesZero)
{
    GasParams record = methaneAndNitrogen();
    record[7] = -1.0f; // no real power of a negative fraction
    const ComponentUncertainties fractions = componentUncertainty(record, slotMap);
    EXPECT_EQ(fractions[7], 0.0);
    EXPECT_GT(fractions[8], 0.0);

    record[19] = 0.0f;
    EXPECT_EQ(propertyUncertainty(record, 13, fractions, slotMap, HeatUnit::Megajoule), 0.0);
    record[19] = 0.575f;
    record[11] = 0.0f;
    EXPECT_EQ(propertyUncertainty(record, 13, fractions, slotMap, HeatUnit::Kilocalorie), 0.0);
}
