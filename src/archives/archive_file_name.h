#pragma once

#include "archives/archive_file_header.h"

#include <QDate>
#include <QString>

class WorkDirectory;

// The name a save proposes, in the archive's folder: "gqc_04-%03d-%02d%02d%02d"
// of the controller address in the header and the PC's date of saving (year −
// 2000, month, day), with the archive's extension.
QString proposedArchiveFileName(ArchiveKind kind, const ArchiveFileHeader& header, const QDate& pcDate,
                                const WorkDirectory& directory);

// The name a file is saved under: the archive's extension added when `path` has none.
QString withArchiveExtension(ArchiveKind kind, const QString& path);
