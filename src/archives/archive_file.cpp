#include "archives/archive_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

std::variant<ArchiveFile, InputProblem> readArchiveFile(ArchiveKind kind, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputProblem{QStringLiteral("Ошибка открытия файла"), {}};
    const ArchiveFileHeader header = ArchiveFileHeader::fromBytes(file.read(ArchiveFileHeader::Size));
    if (file.pos() < ArchiveFileHeader::Size || !header.belongsTo(kind))
        return InputProblem{QStringLiteral("Файл %1 не является файлом, содержащим").arg(QFileInfo(path).fileName()),
                            QString::fromUtf8(archiveKindInfo(kind).notThisArchive)};
    const qint64 recordSize = archiveKindInfo(kind).recordSize;
    const qint64 held = std::max<qint64>(file.size() - ArchiveFileHeader::Size, 0) / recordSize;
    ArchiveRecords records(kind);
    records.append(file.read(std::min<qint64>(header.count(), held) * recordSize));
    return ArchiveFile{header, records};
}

SaveResult writeArchiveFile(const QString& path, const ArchiveFile& file)
{
    ArchiveFileHeader header = file.header;
    header.setCount(static_cast<std::uint32_t>(file.records.count()));
    return replaceFile(path, {header.bytes(), file.records.bytes()});
}
