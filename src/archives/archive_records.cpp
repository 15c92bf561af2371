#include "archives/archive_records.h"

int ArchiveRecords::count() const
{
    return static_cast<int>(bytes_.size() / recordSize());
}

QByteArray ArchiveRecords::recordBytes(int index) const
{
    return bytes_.sliced(static_cast<qsizetype>(index) * recordSize(), recordSize());
}

void ArchiveRecords::append(QByteArrayView bytes)
{
    bytes_.append(bytes.first(bytes.size() - bytes.size() % recordSize()));
}
