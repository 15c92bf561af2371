#pragma once

#include "exchange/request_layer.h"
#include "tables/table_state_set.h"

// The whole configuration in one go, with the progress window.

// Reads every configuration table but the flow-computer passwords, in ascending
// order, in requests as large as an answer allows. A failure ends the read; the
// image keeps what was read so far.
bool readConfigurationTables(RequestLayer& layer);

// Writes the tables chosen in `flags` in the order the controller demands (9,
// 17 to 20, 13, then ascending) and clears each table's flag once it is written.
// A failure ends the write with the flags of the tables not yet written still set.
bool writeConfigurationTables(RequestLayer& layer, TableStateSet& flags);
