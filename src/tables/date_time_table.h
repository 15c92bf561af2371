#pragma once

#include "tables/date_stamp.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

// Table 2, the controller's current date and time: year − 2000, month, day,
// hour, minute, second, day of week (1 = Sunday), time type (0 summer).
namespace DateTimeTable {
inline constexpr int size = 8;
inline constexpr int dayOfWeekByte = 6;
inline constexpr int timeTypeByte = 7;
} // namespace DateTimeTable

// The stamp held in the first six bytes of table 2; missing bytes read as 0.
DateStamp stampOfDateTable(QByteArrayView table2);

// A moment of the PC clock as a stamp, to the second.
DateStamp stampOfMoment(const QDateTime& moment);

// The eight bytes of table 2 that set the controller to the PC clock: the day of
// week and the time type (by the switch rules of table 6) are computed.
QByteArray pcDateTable(const QDateTime& pcNow, QByteArrayView table6);
