#pragma once

#include "archives/wmt_params.h"
#include "crc/crc16.h"
#include "gas/gas_params.h"

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

// Single-precision values, little-endian, back to back.
template <class Values> QByteArray floatBytes(const Values& values)
{
    QByteArray bytes;
    for (const float value : values) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), le);
        bytes.append(le, 4);
    }
    return bytes;
}

inline GasParams gasValues()
{
    GasParams values;
    for (int slot = 0; slot < 20; ++slot)
        values[static_cast<std::size_t>(slot)] = gasValue(slot);
    return values;
}

inline QByteArray gasValueBytes()
{
    return floatBytes(gasValues());
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

// A chromatograph analysis with the flags, status word and values given.
inline QByteArray chromMoment(const QByteArray& stamp, std::uint8_t flags, std::uint16_t status,
                              const GasParams& values)
{
    return withCrc(stamp +
                   bytes({flags, static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(status >> 8), 0, 0}) +
                   floatBytes(values));
}

// A chromatograph mean with the values given.
inline QByteArray chromInterval(const QByteArray& start, std::uint8_t endHourByte, std::uint8_t status,
                                const GasParams& values)
{
    return withCrc(start + bytes({endHourByte, 0x00, 0x00, status}) + floatBytes(values));
}

// A moisture-meter measurement: stamp, flags, two device bytes, status word, values, checksum.
inline QByteArray wmtMeasurement(const QByteArray& stamp, std::uint8_t flags, std::uint16_t status,
                                 const WmtParams& values)
{
    return withCrc(stamp +
                   bytes({flags, 0, 0, static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(status >> 8)}) +
                   floatBytes(values));
}

// A moisture-meter mean: start, end hour byte, minute, second, status, values, checksum.
inline QByteArray wmtMean(const QByteArray& start, std::uint8_t endHourByte, std::uint8_t status,
                          const WmtParams& values)
{
    return withCrc(start + bytes({endHourByte, 0x00, 0x00, status}) + floatBytes(values));
}

// The record with one stamp bit flipped: its checksum no longer fits.
inline QByteArray damaged(QByteArray record)
{
    record[0] = static_cast<char>(record[0] ^ 0x01);
    return record;
}

} // namespace RecordBytes
