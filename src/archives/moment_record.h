#pragma once

#include "archives/archive_record.h"
#include "tables/date_stamp.h"

// A record of a 5-minute archive: the full stamp of the measurement in bytes
// 0–5 and the record flags in byte 6 (0 = normal).
class MomentRecord : public ArchiveRecord {
public:
    DateStamp stamp() const;
    std::uint8_t flags() const;

protected:
    using ArchiveRecord::ArchiveRecord;
};
