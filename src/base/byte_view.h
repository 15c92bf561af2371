#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <span>

// Table bytes as the byte-array types of the rest of the program see them.
inline QByteArrayView byteView(std::span<const std::uint8_t> bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
