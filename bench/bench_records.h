#pragma once

// Pieces of the archive benchmarks: gas values that differ from record to
// record, as an archive's do, and the peak memory a benchmark reports.

#include "crc/crc16.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <bit>
#include <initializer_list>

namespace BenchRecords {

// A record: the head bytes, then the twenty gas values of analysis `index`, then the checksum.
inline QByteArray withGasValues(std::initializer_list<int> head, int index)
{
    const float drift = static_cast<float>(index % 97) * 0.01f;
    const float values[20] = {0.05f,         0.9f + drift, 0.15f,  0.2f,   0.01f,   0.05f,  0.04f,   1.2f - drift / 2,
                              93.5f - drift, 0.6f,         3.2f,   38.52f, 0.7211f, 49.95f, 0.9978f, 99.92f,
                              12.5f,         0.02f,        34.74f, 0.5987f};
    QByteArray record;
    for (const int byte : head)
        record.append(static_cast<char>(byte));
    for (const float value : values) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), le);
        record.append(le, 4);
    }
    appendCrc16(record);
    return record;
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

} // namespace BenchRecords
