#pragma once

// A two-month 5-minute chromatograph archive (17,280 records) for the benchmarks
// of its viewer and its exports, and the peak memory they report.

#include "archives/archive_file.h"
#include "crc/crc16.h"

#include <QFile>
#include <QtEndian>
#include <bit>

namespace TwoMonthArchive {

constexpr int RecordCount = 17280;
constexpr int FiveMinutesPerDay = 288;

// Analyses that differ from record to record, as an archive's do; every
// hundredth one taken while the chromatograph calibrated.
inline QByteArray analysis(int index)
{
    const float drift = static_cast<float>(index % 97) * 0.01f;
    const float values[20] = {0.05f,         0.9f + drift, 0.15f,  0.2f,   0.01f,   0.05f,  0.04f,   1.2f - drift / 2,
                              93.5f - drift, 0.6f,         3.2f,   38.52f, 0.7211f, 49.95f, 0.9978f, 99.92f,
                              12.5f,         0.02f,        34.74f, 0.5987f};
    const int minutes = (index % FiveMinutesPerDay) * 5;
    QByteArray record;
    for (const int byte : {26, 1 + index / (FiveMinutesPerDay * 31), 1 + index / FiveMinutesPerDay % 28, minutes / 60,
                           minutes % 60, 0, index % 100 == 0 ? 0x80 : 0, 0, 0, 0, 0})
        record.append(static_cast<char>(byte));
    for (const float value : values) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), le);
        record.append(le, 4);
    }
    appendCrc16(record);
    return record;
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

// VmHWM of the process, in kB; -1 where the system does not tell.
inline long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace TwoMonthArchive
