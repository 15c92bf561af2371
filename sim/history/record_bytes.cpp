#include "sim/history/record_bytes.h"

#include "crc/crc16.h"

#include <bit>

namespace SimHist {

namespace RecordBytes {

namespace {
constexpr std::uint16_t damage = 0x5AA5; // any non-zero pattern breaks the checksum
}

void putWord(QByteArray& bytes, int offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

void putLong(QByteArray& bytes, int offset, std::uint32_t value)
{
    putWord(bytes, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    putWord(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void putFloat(QByteArray& bytes, int offset, double value)
{
    putLong(bytes, offset, std::bit_cast<std::uint32_t>(static_cast<float>(value)));
}

void putStamp(QByteArray& bytes, int offset, ClockMoment moment, int length)
{
    const QByteArray stamp = moment.stamp(length);
    for (int index = 0; index < length; ++index)
        bytes[offset + index] = stamp[index];
}

void putTime(QByteArray& bytes, int offset, ClockMoment moment)
{
    const QByteArray stamp = moment.stamp(6);
    for (int index = 0; index < 3; ++index)
        bytes[offset + index] = stamp[3 + index];
}

void seal(QByteArray& record, bool damaged)
{
    const qsizetype checked = record.size() - 2;
    const std::uint16_t crc = crc16(QByteArrayView(record).first(checked));
    putWord(record, static_cast<int>(checked), damaged ? static_cast<std::uint16_t>(crc ^ damage) : crc);
}

} // namespace RecordBytes

} // namespace SimHist
