#pragma once

#include "archives/archive_table.h"
#include "base/safe_save.h"

#include <QString>
#include <functional>

// Called with the number of sheet rows written so far: the five rows of the
// title and the header at once, then one per record.
using WorkbookProgress = std::function<void(int rowsWritten)>;

// The rows of the title and the header above the records.
constexpr int WorkbookHeaderRows = 5;

// A chromatograph archive table as a workbook of one sheet, saved at `path`:
// row 1 the window caption and the calculation method; rows 2 to 5 the header
// (the date, the time or the start and end of the interval, the caption lines and
// the unit of the twenty values), grey, boxed, each column closed on its right;
// from row 6 one row per record with the viewer's cell texts exactly as shown,
// blanks included. The status columns of the service view are left out.
// The workbook is made in a temporary folder and then replaces `path`, so on any
// failure the file that was there keeps its old bytes.
SaveResult saveArchiveWorkbook(const ArchiveTable& table, const QString& path, const WorkbookProgress& progress);
