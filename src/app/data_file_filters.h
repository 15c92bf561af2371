#pragma once

#include "archives/archive_kind.h"
#include "logs/log_kind.h"

#include <QString>

// The filter list of the dialog that opens data files: every kind of file the
// program keeps, in a fixed order, then all files.
QString dataFileFilters();

// The entry of that list for the archive's files.
QString archiveFileFilter(ArchiveKind kind);

// The entry of that list for the log's files.
QString logFileFilter(LogKind kind);
// The entry of that list for the daily reports' data files.
QString reportFileFilter();
