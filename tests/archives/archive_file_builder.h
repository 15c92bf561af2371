#pragma once

#include "archives/archive_file.h"

#include <QList>

// An archive file of controller 17 read on 09.12.26 14:30:45 for 15.03.26
// 10:00 to 16.03.26 11:00, with the records given.
inline ArchiveFile archiveFile(ArchiveKind kind, const QList<QByteArray>& records, std::uint8_t chromatographType = 2)
{
    ArchiveRecords held(kind);
    for (const QByteArray& record : records)
        held.append(record);
    const ArchiveFileHeader header = ArchiveFileHeader::build(
        {kind, QByteArray(20, ' '), 17, DateStamp{26, 12, 9, 14, 30, 45}, DateStamp{26, 3, 15, 10, 0, 0},
         DateStamp{26, 3, 16, 11, 0, 0}, static_cast<std::uint32_t>(records.size()), chromatographType});
    return {header, held};
}
