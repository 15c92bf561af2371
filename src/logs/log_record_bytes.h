#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>

// What the decoders of both logs read from a record: its bytes, its stamp as
// the viewers show it, and the entries of the shared text lists it indexes.
namespace LogRecordBytes {

// Both records begin with the 6-byte stamp and end with the CRC-16 of the rest.
inline constexpr int StampLength = 6;

// A record is whole when it has its length and its checksum holds.
bool sound(QByteArrayView record, qsizetype length);

std::uint8_t byteAt(QByteArrayView record, int offset);
std::uint32_t unsigned32At(QByteArrayView record, int offset);
float floatAt(QByteArrayView record, int offset);

// The stamp as "<indent>dd.mm.yy" and "<indent>hh:mm:ss".
QString dateText(QByteArrayView record, const QString& indent);
QString timeText(QByteArrayView record, const QString& indent);

// A value fits the 20-byte zero-terminated field of the log files' text rows.
inline constexpr qsizetype ValueTextWidth = 19;

// The text of a value, or "?" for one too wide to be saved whole.
QString fittedValueText(const QString& text);

// Entry `index` of a group of `count` shared texts from `base`; "?" outside the group.
QString listText(int base, int count, int index);

// Windows-1251 characters as the controller stores them, up to the first zero byte.
QString charactersText(QByteArrayView bytes);

} // namespace LogRecordBytes
