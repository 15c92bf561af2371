#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The twenty gas parameters in the controller's slot order: the field number in
// tables 21 to 26 and 32. Slots 15 (sum of the fractions) and 16 (gas
// temperature) have no set-points; their fields are not used.
inline constexpr int GasParameterCount = 20;
inline constexpr int SumOfFractions = 15;
inline constexpr int GasTemperature = 16;

// Whether the set-point and distribution tables use the parameter's field.
bool hasSetPoints(int parameter);

// " Молярная доля метана" and the like, leading blank included; empty for other numbers.
QString gasParameterName(int parameter);

// The five set-point tables, 22 to 26, in the order of the set-point dialog's modes.
enum class GasSetPoint { Zone, LowerWarning, UpperWarning, LowerLimit, UpperLimit };
inline constexpr int GasSetPointCount = 5;

int tableNumber(GasSetPoint setPoint);

// What the operator may enter for one parameter in one set-point table, the
// value of a new configuration and how the value is shown. Bounds and defaults
// are single precision, as the controller holds them.
struct GasParamRange {
    float lowest;
    float highest;
    float defaultValue;
    int unitText; // index into the shared texts
    std::uint8_t decimals;

    QString unit() const;
};

// The ranges of one set-point table, in slot order.
const std::array<GasParamRange, GasParameterCount>& gasParamRanges(GasSetPoint setPoint);
