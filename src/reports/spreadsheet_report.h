#pragma once

#include "archives/chrom_interval_record.h"
#include "archives/wmt_interval_record.h"

#include <QString>
#include <vector>

// The two workbooks of a metering object: the day report (the day's hours and
// the day) and the month report (the month's days and the means of the heats).
enum class SpreadsheetReportKind { Day, Month };

// What one report writes, as read from the controller's archives: line j of
// the chromatograph beside line j of the moisture meter, both for the same
// hour (day report) or day (month report), oldest first.
struct SpreadsheetReport {
    SpreadsheetReportKind kind = SpreadsheetReportKind::Day;
    std::vector<ChromIntervalRecord> chromLines;
    std::vector<WmtIntervalRecord> wmtLines;
    // The day's own records (day report only): the row under the hours.
    std::vector<ChromIntervalRecord> chromDay;
    std::vector<WmtIntervalRecord> wmtDay;
};
