#include "crc/crc16.h"

#include <QByteArray>

std::uint16_t crc16(QByteArrayView bytes)
{
    std::uint16_t value = 0xFFFF;
    for (const char byte : bytes) {
        value ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? static_cast<std::uint16_t>((value >> 1) ^ 0xA001)
                                : static_cast<std::uint16_t>(value >> 1);
    }
    return value;
}

void appendCrc16(QByteArray& bytes)
{
    const std::uint16_t value = crc16(bytes);
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}
