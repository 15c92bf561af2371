#pragma once

#include "archives/chrom_interval_record.h"
#include "archives/wmt_interval_record.h"

// Which archive lines a report shows with their values; the others are shown
// as "--" and left out of the month means. A line whose checksum fails is
// damaged and never shown, whatever its bytes say.

// Not switched off, a link to the HMU, intact, and a methane fraction that is a
// number of at least 0.001 (below that there was no analysis of natural gas).
bool chromLineShown(const ChromIntervalRecord& line);

// Neither switched off nor without a link to the meter, and intact.
bool wmtLineShown(const WmtIntervalRecord& line);
