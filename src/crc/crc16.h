#pragma once

#include <QByteArrayView>
#include <cstdint>

// The checksum of request and answer frames and of archive and report records:
// reflected polynomial 0xA001, initial value 0xFFFF, no final XOR, sent low byte first.
// Run over a whole frame including its two checksum bytes it gives 0.
std::uint16_t crc16(QByteArrayView bytes);

// Appends the checksum of everything before it, low byte first.
void appendCrc16(QByteArray& bytes);
