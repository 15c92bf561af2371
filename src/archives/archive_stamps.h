#pragma once

#include "tables/archive_period.h"
#include "tables/date_stamp.h"

#include <QDateTime>
#include <QString>

// Stamp arithmetic of the archive readings on the controller's calendar, which
// knows no time zones: stamps become UTC date-times and back.

QDateTime dateTimeOf(const DateStamp& stamp);
DateStamp stampOf(const QDateTime& moment);

// The stamp moved by `units` of the mode's unit (5 minutes, an hour, a day).
DateStamp steppedBy(PeriodMode mode, const DateStamp& stamp, int units);

// The minute cut to a multiple of 5, the second 0: the slot of a 5-minute record.
DateStamp fiveMinuteSlot(DateStamp stamp);

// A real date and time: month 1–12, a day its month has, hour, minute and second in range.
bool isValidStamp(const DateStamp& stamp);

// "dd.mm.yy hh:mm:ss", as the messages on a wrong controller time show it.
QString stampText(const DateStamp& stamp);
