#pragma once

#include "archives/archive_file.h"
#include "archives/archive_table.h"
#include "gas/report_settings.h"
#include "reports/report_document.h"

#include <QString>

// The printout of an archive viewer's table. Every part starts a page with the
// page head: the organisation, the controller and its address, the document's
// title lines, the period and when the data were read. The chromatograph's
// twenty values print as two tables of ten, each part's rows in the first and
// then, on the next page, in the second; the moisture meter's four fit one.
// Cells hold the viewer's texts; the summary under each table is the means
// ("Средние значения", when any record had values) and, for the
// chromatograph, the method of the calculation. Each page's foot gives the
// part's number and the count of parts.
ReportDocument archivePrintout(const ArchiveFile& file, const ArchiveTable& table, const ReportSettings& settings,
                               const QString& organisation);
