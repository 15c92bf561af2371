#pragma once

// A two-month 5-minute chromatograph archive (17,280 records) for the benchmarks
// of its viewer and its exports, and the peak memory they report.

#include "archives/archive_file.h"
#include "bench_records.h"

namespace TwoMonthArchive {

constexpr int RecordCount = 17280;
constexpr int FiveMinutesPerDay = 288;

// Analyses that differ from record to record, as an archive's do; every
// hundredth one taken while the chromatograph calibrated.
inline QByteArray analysis(int index)
{
    const int minutes = (index % FiveMinutesPerDay) * 5;
    return BenchRecords::withGasValues({26, 1 + index / (FiveMinutesPerDay * 31), 1 + index / FiveMinutesPerDay % 28,
                                        minutes / 60, minutes % 60, 0, index % 100 == 0 ? 0x80 : 0, 0, 0, 0, 0},
                                       index);
}

// The file as the viewer saves it.
inline QByteArray archiveFileBytes()
{
    ArchiveRecords records(ArchiveKind::ChromFiveMinute);
    for (int index = 0; index < RecordCount; ++index)
        records.append(analysis(index));
    const ArchiveFileHeader header =
        ArchiveFileHeader::build({ArchiveKind::ChromFiveMinute, QByteArray(20, ' '), 1, DateStamp{26, 3, 1, 12, 0, 0},
                                  DateStamp{26, 1, 1, 0, 0, 0}, DateStamp{26, 2, 28, 23, 55, 0}, RecordCount, 2});
    return header.bytes() + records.bytes();
}

} // namespace TwoMonthArchive
