#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The 4-byte fields of the set-point and measurement tables hold IEEE-754
// single-precision values exactly as the controller sends them, least
// significant byte first, whatever the PC's own byte order.
inline constexpr int FloatFieldLength = 4;

// Field `index` of a run of 4-byte fields; 0 when the bytes do not hold it.
float fieldFloat(QByteArrayView fields, int index);

// Stores `value` as field `index`; bytes that do not hold the field stay as they are.
void storeFieldFloat(QByteArray& fields, int index, float value);
