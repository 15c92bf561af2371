#pragma once

#include "reports/spreadsheet_report.h"

#include <QString>
#include <optional>

// The template a report is made from: a station's own template in the working
// directory wins over the one beside the program, which wins over the one an
// installed program keeps in <prefix>/share/gqc_monitor (the program being in
// <prefix>/bin). None when there is none of the three.
std::optional<QString> findSpreadsheetTemplate(SpreadsheetReportKind kind, const QString& workDirectory,
                                               const QString& programDirectory);
