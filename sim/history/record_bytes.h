#pragma once

#include "sim/history/clock_moment.h"

#include <QByteArray>
#include <cstdint>

namespace SimHist {

// Writing the fields of a record or table image at explicit offsets, least significant byte first.
namespace RecordBytes {

void putWord(QByteArray& bytes, int offset, std::uint16_t value);
void putLong(QByteArray& bytes, int offset, std::uint32_t value);
// IEEE-754 single precision.
void putFloat(QByteArray& bytes, int offset, double value);
void putStamp(QByteArray& bytes, int offset, ClockMoment moment, int length);
// Hour, minute, second.
void putTime(QByteArray& bytes, int offset, ClockMoment moment);
// Puts the CRC-16 of every byte before the last two into the last two; a damaged record gets a
// checksum that does not match.
void seal(QByteArray& record, bool damaged);

} // namespace RecordBytes

} // namespace SimHist
