#pragma once

#include "archives/archive_kind.h"

#include <QByteArray>
#include <QByteArrayView>

// The records of one archive back to back, oldest first, exactly as the
// controller sent them: what the temporary file and an archive file hold after
// the header. Only whole records are ever held.
class ArchiveRecords {
public:
    explicit ArchiveRecords(ArchiveKind kind) : kind_(kind) {}

    ArchiveKind kind() const { return kind_; }
    int count() const;
    // Record `index` (0 ≤ index < count()) as one of the archive's record types.
    template <class Record> Record at(int index) const { return Record(recordBytes(index)); }
    QByteArray recordBytes(int index) const;

    // Appends the whole records at the front of `bytes`; a trailing part of a record is left out.
    void append(QByteArrayView bytes);

    const QByteArray& bytes() const { return bytes_; }

private:
    int recordSize() const { return archiveKindInfo(kind_).recordSize; }

    ArchiveKind kind_;
    QByteArray bytes_;
};
