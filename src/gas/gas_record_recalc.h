#pragma once

#include "gas/component_slot_map.h"
#include "gas/gas_params.h"
#include "gas/report_settings.h"

// The record as the operator chose to see it: molar or volume fractions,
// corrected or not, heats in MJ or kcal, properties as the controller computed
// them (ISO) or recomputed here from the composition (GOST). The arithmetic is
// in double; every slot of the result is a finite single-precision number
// (anything else, a NaN from the controller included, becomes 0). The sum of
// the fractions is filled for every chromatograph; whether it is shown is the
// slot map's to say (ComponentSlotMap::slot(18)).
GasParams recalcGasRecord(const GasParams& record, const ReportSettings& settings, const ComponentSlotMap& slotMap);
