#pragma once

#include "app/archive_windows.h"
#include "archives/archive_file.h"
#include "base/operator.h"

#include <QDate>

class ArchiveTable;
class WorkDirectory;

// Archive data files chosen with the operator, each archive in its own folder.

// "Сохранить в файле" of a viewer: proposes a name made of the controller's
// address in the header and `pcDate`, and writes the header as received and the
// records as read under the name the operator gives, the archive's extension
// added when it has none; an existing file is replaced only when the operator
// agrees, else the dialog comes again. The operator is told how the save went;
// a failed save keeps the old file. Cancelling the dialog saves nothing.
void saveArchive(Operator& person, const WorkDirectory& directory, const ArchiveFile& file, const QDate& pcDate);

// "Сохранить в формате Excel" of a chromatograph viewer: `table`, the viewer's
// table of `file`, as a workbook under the name the operator gives, proposed as
// the archive file's name with ".xlsx", which is added when the name has none;
// an existing file is replaced only when the operator agrees, else the dialog
// comes again. The progress window counts the rows written; the operator is
// told how the export went, and a failed one keeps the old file.
void exportArchiveWorkbook(Operator& person, const WorkDirectory& directory, const ArchiveFile& file,
                           const ArchiveTable& table, const QDate& pcDate);

// "Просмотр/Печать из файла": asks for a file of the archive, reads it and shows
// it in the archive's viewer. A file that cannot be read or is not of the
// archive is refused with the reason, and nothing is shown.
void viewArchiveFile(Operator& person, const WorkDirectory& directory, ArchiveKind kind, ArchiveWindows& windows);
