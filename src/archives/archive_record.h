#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <utility>

// The bytes of one archive record exactly as the controller wrote them, the
// common ground of the four record layouts. Every record ends with its CRC-16.
class ArchiveRecord {
public:
    const QByteArray& bytes() const { return bytes_; }
    // The CRC-16 run over the whole record, checksum included, gives 0.
    bool intact() const;

protected:
    // `bytes` should hold exactly `size` bytes; missing ones read as 0, extra ones are dropped.
    ArchiveRecord(QByteArray bytes, int size);

    std::uint8_t byteAt(int offset) const;
    // 16 bits, high byte at offset + 1.
    std::uint16_t wordAt(int offset) const;
    // `count` little-endian single-precision values from `offset`.
    template <std::size_t count> std::array<float, count> floatsAt(int offset) const
    {
        std::array<float, count> values{};
        for (std::size_t k = 0; k < count; ++k)
            values[k] = floatAt(offset + 4 * static_cast<int>(k));
        return values;
    }

private:
    float floatAt(int offset) const;

    QByteArray bytes_;
};
