#pragma once

#include "exchange/request_layer.h"
#include "gas/component_slot_map.h"

// Reads what every later exchange needs of a connected controller: its name,
// its system parameters and the types of its instruments; the chromatograph's
// type chooses `slotMap`, where its records hold what. When a read failed the
// operator is told that further exchange cannot be organised, and false.
bool readBasicData(RequestLayer& layer, ComponentSlotMap& slotMap);
