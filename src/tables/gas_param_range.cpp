#include "tables/gas_param_range.h"

#include "base/common_texts.h"

namespace {

constexpr int NoUnit = CommonTextBase::Units;
constexpr int DegreesC = CommonTextBase::Units + 2;
constexpr int Percent = CommonTextBase::Units + 5;
constexpr int MJPerM3 = CommonTextBase::Units + 9;
constexpr int KgPerM3 = CommonTextBase::Units + 10;

constexpr int FirstSetPointTable = 22;

// The insensitivity zone of changes (table 22).
constexpr std::array<GasParamRange, GasParameterCount> Zone{{
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 0 hexane and heavier
    {0.0001f, 0.5f, 0.05f, Percent, 4},     // 1 propane
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 2 i-butane
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 3 n-butane
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 4 neo-pentane
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 5 i-pentane
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 6 n-pentane
    {0.0001f, 10.0f, 0.05f, Percent, 4},    // 7 nitrogen
    {0.0001f, 50.0f, 5.0f, Percent, 4},     // 8 methane
    {0.0001f, 10.0f, 0.05f, Percent, 4},    // 9 carbon dioxide
    {0.0001f, 0.5f, 0.05f, Percent, 4},     // 10 ethane
    {0.0001f, 50.0f, 5.0f, MJPerM3, 4},     // 11 superior heat of combustion
    {0.0001f, 0.001f, 0.0001f, KgPerM3, 4}, // 12 density
    {0.0001f, 50.0f, 5.0f, MJPerM3, 4},     // 13 superior Wobbe index
    {0.0001f, 0.01f, 0.001f, NoUnit, 4},    // 14 compression factor
    {0.0f, 0.0f, 0.0f, Percent, 0},         // 15 sum of the fractions (unused)
    {0.0f, 0.0f, 0.0f, DegreesC, 0},        // 16 gas temperature (unused)
    {0.0001f, 0.1f, 0.01f, Percent, 4},     // 17 oxygen
    {0.0001f, 40.0f, 4.0f, MJPerM3, 4},     // 18 inferior heat of combustion
    {0.0001f, 0.001f, 0.0001f, NoUnit, 4},  // 19 relative density
}};

// The four value tables share one range per parameter; they differ in defaults and decimals.
struct ValueRange {
    float lowest;
    float highest;
    int unitText;
    std::array<float, 4> defaults; // lower warning, upper warning, lower limit, upper limit
    std::array<std::uint8_t, 4> decimals;
};

constexpr std::array<ValueRange, GasParameterCount> ValueRanges{{
    {0.0f, 0.6f, Percent, {0.002f, 0.6f, 0.001f, 0.6f}, {3, 3, 3, 3}},      // 0
    {0.0f, 6.0f, Percent, {0.05f, 6.0f, 0.01f, 6.0f}, {3, 3, 3, 3}},        // 1
    {0.0f, 1.2f, Percent, {0.002f, 1.2f, 0.001f, 1.2f}, {3, 3, 3, 3}},      // 2
    {0.0f, 1.2f, Percent, {0.002f, 1.2f, 0.001f, 1.2f}, {3, 3, 3, 3}},      // 3
    {0.0f, 1.2f, Percent, {0.0002f, 1.2f, 0.0001f, 1.2f}, {4, 3, 4, 3}},    // 4
    {0.0f, 1.2f, Percent, {0.0002f, 1.2f, 0.0001f, 1.2f}, {4, 3, 4, 3}},    // 5
    {0.0f, 1.2f, Percent, {0.0002f, 1.2f, 0.0001f, 1.2f}, {4, 3, 4, 3}},    // 6
    {0.0f, 18.0f, Percent, {0.2f, 12.0f, 0.0f, 18.0f}, {3, 3, 3, 3}},       // 7
    {40.0f, 100.0f, Percent, {95.0f, 100.0f, 90.0f, 100.0f}, {3, 3, 3, 3}}, // 8
    {0.0f, 12.0f, Percent, {0.01f, 8.0f, 0.0f, 12.0f}, {3, 3, 3, 3}},       // 9
    {0.0f, 20.0f, Percent, {0.1f, 10.0f, 0.01f, 12.0f}, {3, 3, 3, 3}},      // 10
    {35.0f, 45.0f, MJPerM3, {36.0f, 45.0f, 35.0f, 45.0f}, {0, 0, 0, 0}},    // 11
    {0.66f, 1.05f, KgPerM3, {0.67f, 1.0f, 0.66f, 1.05f}, {3, 3, 3, 3}},     // 12
    {40.0f, 55.0f, MJPerM3, {45.0f, 55.0f, 40.0f, 55.0f}, {0, 0, 0, 0}},    // 13
    {0.997f, 1.0f, NoUnit, {0.998f, 0.999f, 0.997f, 1.0f}, {4, 4, 4, 4}},   // 14
    {97.0f, 103.0f, Percent, {98.0f, 103.0f, 97.0f, 103.0f}, {1, 0, 1, 1}}, // 15
    {54.0f, 62.0f, DegreesC, {59.0f, 62.0f, 54.0f, 62.0f}, {0, 0, 1, 1}},   // 16
    {0.0f, 1.2f, Percent, {0.0002f, 1.2f, 0.0001f, 1.2f}, {4, 3, 4, 3}},    // 17
    {30.0f, 40.0f, MJPerM3, {32.0f, 40.0f, 30.0f, 40.0f}, {0, 0, 0, 0}},    // 18
    {0.425f, 0.85f, NoUnit, {0.5f, 0.7f, 0.425f, 0.85f}, {3, 3, 3, 3}},     // 19
}};

constexpr std::array<GasParamRange, GasParameterCount> valueTable(int column)
{
    std::array<GasParamRange, GasParameterCount> table{};
    for (int k = 0; k < GasParameterCount; ++k) {
        const ValueRange& range = ValueRanges[k];
        table[k] = {range.lowest, range.highest, range.defaults[column], range.unitText, range.decimals[column]};
    }
    return table;
}

constexpr std::array<std::array<GasParamRange, GasParameterCount>, GasSetPointCount> Ranges{
    Zone, valueTable(0), valueTable(1), valueTable(2), valueTable(3)};

} // namespace

bool hasSetPoints(int parameter)
{
    return parameter >= 0 && parameter < GasParameterCount && parameter != SumOfFractions &&
           parameter != GasTemperature;
}

QString gasParameterName(int parameter)
{
    if (parameter < 0 || parameter >= GasParameterCount)
        return {};
    return commonText(CommonTextBase::ShortGasNames + parameter);
}

int tableNumber(GasSetPoint setPoint)
{
    return FirstSetPointTable + static_cast<int>(setPoint);
}

QString GasParamRange::unit() const
{
    return commonText(unitText);
}

const std::array<GasParamRange, GasParameterCount>& gasParamRanges(GasSetPoint setPoint)
{
    return Ranges[static_cast<std::size_t>(setPoint)];
}
