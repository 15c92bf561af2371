#pragma once

#include "tables/date_stamp.h"

#include <QByteArray>
#include <QByteArrayView>

// Stamps as records, requests and file headers hold them: the first `length`
// bytes of year − 2000, month, day, hour, minute, second.
inline constexpr int FullStampLength = 6;

QByteArray stampBytes(const DateStamp& stamp, int length);

// The stamp of the `length` bytes at `offset`; the fields after them are 0.
DateStamp stampAt(QByteArrayView bytes, int offset, int length);
