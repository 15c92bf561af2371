#pragma once

#include <array>

// Physical properties of the twelve components the chromatograph measures, at
// 20 °C and 101.325 kPa, in component order: hexane and heavier, propane,
// i-butane, n-butane, neo-pentane, i-pentane, n-pentane, nitrogen, methane,
// carbon dioxide, ethane, oxygen.
inline constexpr int ComponentCount = 12;
inline constexpr int MethaneComponent = 8;

inline constexpr double KilocaloriesPerMegajoule = 239.08;
inline constexpr double ReferencePressureKPa = 101.325;
inline constexpr double GasConstant = 8.3145;
inline constexpr double ReferenceTemperatureK = 293.15;
inline constexpr double AirMolarMass = 28.9626;

enum class HeatUnit { Megajoule, Kilocalorie };

// A heat of combustion per cubic metre in both units the operator may choose.
struct HeatOfCombustion {
    double megajoules;
    double kilocalories;

    constexpr double in(HeatUnit unit) const { return unit == HeatUnit::Kilocalorie ? kilocalories : megajoules; }
};

constexpr HeatOfCombustion megajoules(double value)
{
    return {value, value * KilocaloriesPerMegajoule};
}

struct ComponentProperties {
    double compressionFactor; // Z: turns molar into volume fractions
    HeatOfCombustion superiorHeat;
    HeatOfCombustion inferiorHeat;
    double relativeDensity;
    double molarMass;
    double heatUncertainty; // u: relative uncertainty of the heats, %
};

// clang-format off
inline constexpr std::array<ComponentProperties, ComponentCount> ComponentTable{{
    {0.919,  megajoules(174.46), megajoules(161.59), 2.976,  86.177,  0.3},
    {0.9834, megajoules(92.29),  megajoules(84.94),  1.549,  44.097,  0.2},
    {0.971,  megajoules(119.28), megajoules(110.09), 2.068,  58.123,  0.3},
    {0.9682, megajoules(119.66), megajoules(110.47), 2.071,  58.123,  0.3},
    {0.945,  megajoules(146.16), megajoules(135.13), 2.637,  72.15,   0.3},
    {0.953,  megajoules(146.76), megajoules(135.72), 2.637,  72.15,   0.3},
    {0.945,  megajoules(147.04), megajoules(136.01), 2.637,  72.15,   0.3},
    {0.9997, megajoules(0),      megajoules(0),      0.967,  28.0135, 0.3},
    {0.9981, megajoules(37.044), megajoules(33.367), 0.5546, 16.043,  0.1},
    {0.9947, megajoules(0),      megajoules(0),      1.528,  44.01,   0.3},
    {0.992,  megajoules(64.91),  megajoules(59.39),  1.046,  30.07,   0.1},
    {0.9993, megajoules(0),      megajoules(0),      1.105,  31.9988, 0.3},
}};
// clang-format on
