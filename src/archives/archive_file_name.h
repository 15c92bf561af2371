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

// The name a file is saved under: `extension` (with its dot) added when `path` has none.
QString withExtension(const QString& path, QLatin1String extension);
// The same with the archive's extension.
QString withArchiveExtension(ArchiveKind kind, const QString& path);
