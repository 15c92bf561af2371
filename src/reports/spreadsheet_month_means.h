#pragma once

#include "archives/chrom_interval_record.h"
#include "gas/gas_params.h"

#include <vector>

// The month's means of the twenty gas parameters over the days the report shows
// with values: each parameter summed in double precision over the days where it
// is a number, then stored as single precision; 0 where there is no such day.
GasParams spreadsheetMonthMeans(const std::vector<ChromIntervalRecord>& days);
