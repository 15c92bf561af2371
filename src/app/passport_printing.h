#pragma once

#include "app/report_windows.h"
#include "archives/archive_file.h"
#include "archives/chrom_moment_table.h"
#include "base/operator.h"
#include "gas/report_settings.h"

#include <optional>

class WorkDirectory;

// "Печать 1 анализа" of the chromatograph 5-minute viewer: the passport of
// the selected row's analysis, offered for preview or printing until the
// operator chooses exit. A row that holds no valid analysis (none selected,
// damaged, the chromatograph off, without link or calibrating) is refused
// with the reason: a quality passport is never made of such values.
void printAnalysisPassport(Operator& person, const WorkDirectory& directory, ReportWindows& windows,
                           const ArchiveFile& file, const ChromMomentTable& table, std::optional<int> selectedRow,
                           const ReportSettings& settings);
