#include "archives/archive_request.h"

#include "archives/stamp_bytes.h"

QByteArray archiveRequestData(ArchiveKind kind, const DateStamp& start, const DateStamp& end)
{
    const ArchiveKindInfo& info = archiveKindInfo(kind);
    QByteArray data(reinterpret_cast<const char*>(info.requestHead.data()), info.requestHead.size());
    data += stampBytes(start, info.stampLength);
    data += stampBytes(end, info.stampLength);
    return data;
}
