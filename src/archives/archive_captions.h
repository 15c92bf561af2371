#pragma once

#include "archives/archive_file_header.h"
#include "gas/report_settings.h"

#include <QString>

// The caption of an archive's viewer window: which data and the period the
// header names, to the minute, the hour or the day by the archive.
QString archiveWindowCaption(ArchiveKind kind, const ArchiveFileHeader& header);

// The label under a chromatograph table: how the properties were computed and
// whether the fractions were corrected.
QString calculationMethodLabel(const ReportSettings& settings);
