#pragma once

#include "base/safe_save.h"
#include "cli/cli_collect_station.h"

#include <QString>

// The summary of a collect run, one line per station with its fields
// separated by tabs, for people and scripts alike:
//   station  dch  hch  dwm  hwm  aud  ala  reports  result
// The counts are the records saved of each archive and log ("-" where none
// was asked for), the reports the report files made; the result is "ok" or
// the reason the station failed. A line holds no tab or line end but its
// separators, so that a parent run can take its children's lines as they are.
QString collectSummaryHeader();
QString collectSummaryLine(const StationResult& result);

// The result of a station whose file could not be saved; empty after a good save.
QString saveFailure(const SaveResult& saved);
