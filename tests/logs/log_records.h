#pragma once

#include "crc/crc16.h"

#include <QByteArray>
#include <QtEndian>
#include <bit>
#include <cstdint>

// Log records as the controller sends them: stamp 5 March 2025 14:30:07, the
// given bytes, the CRC-16 last.
class LogRecord {
public:
    explicit LogRecord(int length) : bytes_(length - 2, '\0')
    {
        const char stamp[] = {25, 3, 5, 14, 30, 7};
        bytes(0, QByteArrayView(stamp, sizeof stamp));
    }

    LogRecord& byte(int offset, int value)
    {
        bytes_[offset] = static_cast<char>(value);
        return *this;
    }
    LogRecord& bytes(int offset, QByteArrayView value)
    {
        bytes_.replace(offset, value.size(), value);
        return *this;
    }
    LogRecord& unsigned32(int offset, std::uint32_t value)
    {
        qToLittleEndian(value, bytes_.data() + offset);
        return *this;
    }
    LogRecord& single(int offset, float value) { return unsigned32(offset, std::bit_cast<std::uint32_t>(value)); }

    QByteArray sealed() const
    {
        QByteArray record = bytes_;
        appendCrc16(record);
        return record;
    }

private:
    QByteArray bytes_;
};
