#pragma once

#include "logs/log_table.h"
#include "reports/report_document.h"

#include <QString>

// The printout of a log viewer's table (the intervention or the diagnostic
// log): every page starts with the log's head (the organisation, the
// chromatograph's name and address, the log's title lines, the period and when
// the log was read), then the column headings and the viewer's rows; each
// page's foot gives its number and the count of pages.
ReportDocument logPrintout(const LogTable& table, const QString& organisation);
