#pragma once

#include "crc/crc16.h"

#include <QByteArray>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <initializer_list>

// Archive records laid out byte by byte as the controller writes them.
namespace RecordBytes {

inline QByteArray bytes(std::initializer_list<std::uint8_t> values)
{
    QByteArray result;
    for (const std::uint8_t value : values)
        result.append(static_cast<char>(value));
    return result;
}

// One moisture-meter daily mean: 15.03.26 10:00:00 to 10:00:00 with the daily
// flag, status 0x04, values −12.5, −8.25, 55.0, −20.75, checksum 0x12E3.
inline const QByteArray wmtDaily =
    bytes({0x1a, 0x03, 0x0f, 0x0a, 0x00, 0x00, 0x8a, 0x00, 0x00, 0x04, 0x00, 0x00, 0x48, 0xc1,
           0x00, 0x00, 0x04, 0xc1, 0x00, 0x00, 0x5c, 0x42, 0x00, 0x00, 0xa6, 0xc1, 0xe3, 0x12});

// One moisture-meter measurement: 15.03.26 10:05:17, flags 0x02, device bytes
// 0xAB 0xCD, status word 0x1234, the values above, checksum 0x3385.
inline const QByteArray wmtMoment =
    bytes({0x1a, 0x03, 0x0f, 0x0a, 0x05, 0x11, 0x02, 0xab, 0xcd, 0x34, 0x12, 0x00, 0x00, 0x48, 0xc1,
           0x00, 0x00, 0x04, 0xc1, 0x00, 0x00, 0x5c, 0x42, 0x00, 0x00, 0xa6, 0xc1, 0x85, 0x33});

// The twenty gas parameters of the chromatograph records below: slot p holds p + 0.5.
inline float gasValue(int slot)
{
    return static_cast<float>(slot) + 0.5f;
}

inline QByteArray gasValueBytes()
{
    QByteArray values;
    for (int slot = 0; slot < 20; ++slot) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(gasValue(slot)), le);
        values.append(le, 4);
    }
    return values;
}

inline QByteArray withCrc(QByteArray record)
{
    appendCrc16(record);
    return record;
}

// A chromatograph analysis: `stamp` (6 bytes), flags, status word low and high
// byte, two device bytes, the gas values, checksum.
inline QByteArray chromMoment(const QByteArray& stamp, std::uint8_t flags)
{
    return withCrc(stamp + bytes({flags, 0x01, 0x02, 0xee, 0xef}) + gasValueBytes());
}

// A chromatograph mean: start (6 bytes), end hour byte, minute, second, status, the gas values, checksum.
inline QByteArray chromInterval(const QByteArray& start, std::uint8_t endHourByte, std::uint8_t status)
{
    return withCrc(start + bytes({endHourByte, 0x00, 0x00, status}) + gasValueBytes());
}

} // namespace RecordBytes
