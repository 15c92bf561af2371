#include "archives/archive_file_name.h"

#include "settings/work_directory.h"

#include <QFileInfo>

QString proposedArchiveFileName(ArchiveKind kind, const ArchiveFileHeader& header, const QDate& pcDate,
                                const WorkDirectory& directory)
{
    const ArchiveKindInfo& info = archiveKindInfo(kind);
    return (directory.*info.folder)() + '/' +
           QString::asprintf("gqc_04-%03d-%02d%02d%02d", header.address(), pcDate.year() - 2000, pcDate.month(),
                             pcDate.day()) +
           QLatin1String(info.extension);
}

QString withExtension(const QString& path, QLatin1String extension)
{
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

QString withArchiveExtension(ArchiveKind kind, const QString& path)
{
    return withExtension(path, QLatin1String(archiveKindInfo(kind).extension));
}
