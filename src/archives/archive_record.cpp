#include "archives/archive_record.h"

#include "crc/crc16.h"

#include <QtEndian>
#include <bit>

ArchiveRecord::ArchiveRecord(QByteArray bytes, int size) : bytes_(std::move(bytes))
{
    bytes_.resize(size, '\0');
}

bool ArchiveRecord::intact() const
{
    return crc16(bytes_) == 0;
}

std::uint8_t ArchiveRecord::byteAt(int offset) const
{
    return static_cast<std::uint8_t>(bytes_[offset]);
}

std::uint16_t ArchiveRecord::wordAt(int offset) const
{
    return qFromLittleEndian<std::uint16_t>(bytes_.constData() + offset);
}

float ArchiveRecord::floatAt(int offset) const
{
    return std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(bytes_.constData() + offset));
}
