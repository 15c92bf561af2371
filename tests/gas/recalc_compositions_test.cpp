// Three analyses recalculated and their uncertainties, against the numbers that
// recalc_expected.py works out on its own.

#include "gas/gas_record_recalc.h"
#include "gas/gas_uncertainty.h"
#include "recalc_settings.h"

#include <gtest/gtest.h>

namespace {

struct Composition {
    const char* name;
    GasParams controller;
    RecalcChoice choice;
    GasParams shown;
    std::array<double, 5> propertyUncertainties; // slots 11, 12, 13, 18, 19
};

// clang-format off
const Composition compositions[] = {
    {"pipeline gas, molar fractions, MJ, recomputed",
     {0.05f, 0.9f, 0.15f, 0.2f, 0.01f, 0.05f, 0.04f, 1.2f, 93.5f, 0.6f, 3.2f,
      38.52f, 0.7211f, 49.95f, 0.9978f, 99.92f, 12.5f, 0.02f, 34.74f, 0.5987f},
     {.recomputed = true},
     {0.0500000007f, 0.899999976f, 0.150000006f, 0.200000003f, 0.00999999978f, 0.0500000007f, 0.0399999991f,
      1.20000005f, 93.5f, 0.600000024f, 3.20000005f, 38.1954231f, 0.720546067f, 49.3827019f, 0.997799993f,
      99.9199982f, 12.5f, 0.0199999996f, 34.4641151f, 0.59823662f},
     {0.04741437679044911, 0.00067896243893048893, 0.065571653294823312, 0.043281340564960351,
      0.00056392016765020208}},
    {"rich gas, volume fractions, kcal, recomputed, corrected",
     {0.3f, 5.0f, 1.2f, 1.8f, 0.05f, 0.4f, 0.35f, 2.5f, 78.0f, 1.1f, 9.0f,
      45.1f, 0.8602f, 53.4f, 0.9961f, 99.75f, 8.25f, 0.05f, 41.0f, 0.7142f},
     {.volume = true, .kilocalories = true, .recomputed = true, .corrected = true},
     {0.276994765f, 4.94009161f, 1.17067218f, 1.75094438f, 0.0474718995f, 0.382990211f, 0.332303286f,
      2.51098704f, 78.4681091f, 1.09930849f, 8.96992779f, 10649.627f, 0.886467993f, 12413.5859f, 0.996100008f,
      100.0f, 8.25f, 0.0501996502f, 9661.79004f, 0.735994041f},
     {0.083033334728641911, 0.0016143938788755711, 0.10772479099730668, 0.076956388413256457,
      0.0013408536534996397}},
    {"lean gas, molar fractions, kcal, the controller's properties, corrected",
     {0.0f, 0.1f, 0.01f, 0.01f, 0.0f, 0.0f, 0.0f, 8.0f, 88.5f, 2.5f, 0.8f,
      33.9f, 0.7075f, 44.6f, 0.9980f, 100.02f, -3.5f, 0.1f, 30.5f, 0.5874f},
     {.kilocalories = true, .corrected = true},
     {0.0f, 0.100000001f, 0.00999999978f, 0.00999999978f, 0.0f, 0.0f, 0.0f, 8.0f, 88.4800034f, 2.5f,
      0.800000012f, 8104.8125f, 0.707499981f, 10662.9678f, 0.998000026f, 100.0f, -3.5f, 0.100000001f,
      7291.93994f, 0.587400019f},
     {0.052186365465903883, 0.00077013167257168743, 0.072825970484598504, 0.047060552405048701,
      0.00063964183732086947}},
};
// clang-format on

constexpr std::array<int, 5> propertySlots{11, 12, 13, 18, 19};

} // namespace

TEST(RecalcCompositions, ShownValuesMatchTheIndependentCalculation)
{
    for (const Composition& c : compositions) {
        const GasParams shown = recalcGasRecord(c.controller, recalcSettings(c.choice), ComponentSlotMap());
        for (int slot = 0; slot < GasParamsSize; ++slot)
            EXPECT_FLOAT_EQ(shown[slot], c.shown[slot]) << c.name << ", slot " << slot;
    }
}

TEST(RecalcCompositions, UncertaintiesOfTheShownValuesMatchTheIndependentCalculation)
{
    for (const Composition& c : compositions) {
        const HeatUnit unit = c.choice.kilocalories ? HeatUnit::Kilocalorie : HeatUnit::Megajoule;
        const ComponentUncertainties fractions = componentUncertainty(c.shown, ComponentSlotMap());
        for (std::size_t i = 0; i < propertySlots.size(); ++i) {
            const double expected = c.propertyUncertainties[i];
            EXPECT_NEAR(propertyUncertainty(c.shown, propertySlots[i], fractions, ComponentSlotMap(), unit), expected,
                        1e-12 * expected)
                << c.name << ", slot " << propertySlots[i];
        }
    }
}
