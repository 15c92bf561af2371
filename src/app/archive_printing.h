#pragma once

#include "app/print_windows.h"
#include "archives/archive_file.h"
#include "archives/archive_table.h"
#include "base/operator.h"
#include "gas/report_settings.h"

#include <QByteArray>
#include <QDate>

class WorkDirectory;

// "Печать" of an archive viewer: the print-choice dialog with the organisation
// of "title.ini" (rewritten when the operator changed it), then the printout
// of the viewer's table in the preview. A printout that could not be painted
// is told as "Ошибка печати данных".
void printArchive(Operator& person, const WorkDirectory& directory, PrintWindows& windows, const ArchiveFile& file,
                  const ArchiveTable& table, const ReportSettings& settings);

// Saves `pdf`, a printout of `file`, under a name the operator chooses in the
// archive's folder, proposed as the archive's own with ".pdf" (added when the
// name given has no extension). Empty bytes are a printout that could not be
// made: "Ошибка печати данных".
void savePrintoutPdf(Operator& person, const WorkDirectory& directory, const ArchiveFile& file, const QByteArray& pdf,
                     const QDate& pcDate);
