#pragma once

#include "gas/component_slot_map.h"
#include "gas/component_table.h"
#include "gas/gas_params.h"

#include <array>

// Expanded uncertainties of one analysis, for the single-analysis passport.
// Every result is finite: a computation that fails (a negative fraction, a zero
// density) gives 0.

// U(x) of each component's fraction, in component order.
using ComponentUncertainties = std::array<double, ComponentCount>;
ComponentUncertainties componentUncertainty(const GasParams& record, const ComponentSlotMap& slotMap);

// U of the property in `slot` (superior or inferior heat, density, Wobbe index,
// relative density), in MJ/m3 for the heats and the Wobbe index whatever unit
// `record` shows them in; 0 for any other slot.
double propertyUncertainty(const GasParams& record, int slot, const ComponentUncertainties& fractions,
                           const ComponentSlotMap& slotMap, HeatUnit unit);
