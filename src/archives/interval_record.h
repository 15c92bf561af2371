#pragma once

#include "archives/archive_record.h"
#include "tables/date_stamp.h"

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const TimeOfDay&) const = default;
};

// A record of an hourly or daily archive: the interval's start date and time
// in bytes 0–5, its end time in bytes 6–8 and the status byte 9 (0 = normal).
class IntervalRecord : public ArchiveRecord {
public:
    DateStamp start() const;
    // The hour without the daily flag.
    TimeOfDay end() const;
    // Bit 7 of the end hour; a daily mean without it is marked "*" when shown.
    bool dailyFlag() const;
    std::uint8_t status() const;

protected:
    using ArchiveRecord::ArchiveRecord;
};
