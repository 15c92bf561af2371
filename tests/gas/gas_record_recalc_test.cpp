#include "gas/gas_record_recalc.h"
#include "gas/gas_value_text.h"
#include "recalc_settings.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

const ComponentSlotMap slotMap;

// Component slots in component order: hexanes .. ethane, then oxygen.
constexpr std::array<int, 12> componentSlots{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17};

GasParams naturalGas()
{
    GasParams record{};
    record[1] = 1.5f;   // propane
    record[7] = 2.0f;   // nitrogen
    record[8] = 90.0f;  // methane
    record[9] = 0.5f;   // carbon dioxide
    record[10] = 4.0f;  // ethane
    record[17] = 0.1f;  // oxygen
    record[15] = 97.3f; // the controller's own sum
    return record;
}

double componentSum(const GasParams& record)
{
    double sum = 0;
    for (int slot : componentSlots)
        sum += record[slot];
    return sum;
}

} // namespace

TEST(RecalcGasRecord, CorrectionGivesMethaneWhatTheOthersLeaveOf100)
{
    GasParams record{};
    record[1] = 1.0f;
    record[7] = 2.0f;
    record[10] = 0.5f;
    record[8] = 90.0f;
    record[15] = 91.0f; // the controller's own sum
    const GasParams uncorrected = recalcGasRecord(record, recalcSettings({}), slotMap);
    EXPECT_FLOAT_EQ(uncorrected[8], 90.0f);
    EXPECT_FLOAT_EQ(uncorrected[15], 93.5f) << "the sum of the fractions shown";

    const GasParams out = recalcGasRecord(record, recalcSettings({.corrected = true}), slotMap);
    EXPECT_FLOAT_EQ(out[8], 96.5f);
    EXPECT_FLOAT_EQ(out[15], 100.0f);
    EXPECT_FLOAT_EQ(out[7], 2.0f);
    record[8] = 0.0f;
    EXPECT_FLOAT_EQ(recalcGasRecord(record, recalcSettings({.corrected = true}), slotMap)[8], 96.5f)
        << "whatever methane the controller found";
}

TEST(RecalcGasRecord, CorrectionLeavesAnAnalysisWithoutComponentsAlone)
{
    GasParams record{};
    record[15] = 55.0f;
    const GasParams out = recalcGasRecord(record, recalcSettings({.corrected = true}), slotMap);
    EXPECT_EQ(out[8], 0.0f);
    EXPECT_EQ(out[15], 0.0f);
}

TEST(RecalcGasRecord, VolumeFractionsAddUpTo100OrAreAllZero)
{
    const GasParams out = recalcGasRecord(naturalGas(), recalcSettings({.volume = true}), slotMap);
    EXPECT_NEAR(componentSum(out), 100.0, 1e-4);
    EXPECT_NEAR(out[15], 100.0, 1e-4);
    EXPECT_GT(out[8], 90.0f / 98.1f * 100) << "methane is less compressible than the rest";

    const GasParams empty = recalcGasRecord(GasParams{}, recalcSettings({.volume = true}), slotMap);
    EXPECT_EQ(componentSum(empty), 0.0);
    EXPECT_EQ(empty[15], 0.0f);
}

TEST(RecalcGasRecord, ControllerPropertiesInKilocaloriesUseItsFactor)
{
    GasParams record = naturalGas();
    record[11] = 37.0f;
    record[18] = 33.0f;
    record[13] = 48.0f;
    record[12] = 0.68f;
    record[19] = 0.565f;
    record[14] = 0.998f;
    record[16] = -12.5f;
    const GasParams out = recalcGasRecord(record, recalcSettings({.kilocalories = true}), slotMap);
    EXPECT_FLOAT_EQ(out[11], 8845.96f);
    EXPECT_FLOAT_EQ(out[18], 7889.64f);
    EXPECT_FLOAT_EQ(out[13], 11475.84f);
    EXPECT_EQ(out[12], 0.68f);
    EXPECT_EQ(out[19], 0.565f);
    EXPECT_EQ(out[14], 0.998f);
    EXPECT_EQ(out[16], -12.5f);

    EXPECT_EQ(recalcGasRecord(record, recalcSettings({}), slotMap)[11], 37.0f);
}

TEST(RecalcGasRecord, RecomputedPropertiesOfPureMethane)
{
    GasParams record{};
    record[8] = 100.0f;
    const GasParams out = recalcGasRecord(record, recalcSettings({.recomputed = true}), slotMap);
    EXPECT_FLOAT_EQ(out[11], 37.044f);
    EXPECT_FLOAT_EQ(out[18], 33.367f);
    EXPECT_FLOAT_EQ(out[19], 0.5546f);
    EXPECT_EQ(gasValueText(out[12], 5), "0.66799");
    EXPECT_NEAR(out[13], 49.742, 0.001);
    EXPECT_EQ(gasValueText(out[13], 4), "49.7425") << "37.044 / sqrt(0.5546) = 49.74254";

    const GasParams kcal = recalcGasRecord(record, recalcSettings({.kilocalories = true, .recomputed = true}), slotMap);
    EXPECT_FLOAT_EQ(kcal[11], 37.044f * 239.08f);
    EXPECT_FLOAT_EQ(kcal[18], 33.367f * 239.08f);
}

TEST(RecalcGasRecord, NonFiniteComponentsCountAsZero)
{
    GasParams record = naturalGas();
    record[1] = std::numeric_limits<float>::quiet_NaN();
    record[17] = std::numeric_limits<float>::infinity();
    const GasParams out = recalcGasRecord(record, recalcSettings({.corrected = true}), slotMap);
    EXPECT_EQ(out[1], 0.0f);
    EXPECT_EQ(out[17], 0.0f);
    EXPECT_FLOAT_EQ(out[8], 93.5f);
}

TEST(RecalcGasRecord, EverySlotIsFiniteWhateverTheRecordAndTheSettings)
{
    GasParams record{};
    for (int slot = 0; slot < GasParamsSize; ++slot)
        record[slot] = slot % 3 == 0   ? std::numeric_limits<float>::quiet_NaN()
                       : slot % 3 == 1 ? -std::numeric_limits<float>::infinity()
                                       : std::numeric_limits<float>::denorm_min();
    GasParams huge{};
    huge.fill(std::numeric_limits<float>::max());
    for (int choices = 0; choices < 16; ++choices) {
        const ReportSettings settings = recalcSettings({.volume = (choices & 1) != 0,
                                                        .kilocalories = (choices & 2) != 0,
                                                        .recomputed = (choices & 4) != 0,
                                                        .corrected = (choices & 8) != 0});
        for (const GasParams& input : {record, huge})
            for (float value : recalcGasRecord(input, settings, slotMap))
                EXPECT_TRUE(std::isfinite(value)) << "choices " << choices;
    }
}
