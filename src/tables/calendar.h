#pragma once

#include "tables/date_stamp.h"

#include <QByteArrayView>
#include <cstdint>

enum class StampUnit { Hour, Day, Month };

// Time types of table 2 byte 7: the program writes 128 for winter.
constexpr std::uint8_t summerTime = 0;
constexpr std::uint8_t winterTime = 128;

bool isLeapYear(int fullYear);
int daysInMonth(int fullYear, int month);
int dayOfYear(int fullYear, int month, int day);

// 1 = Sunday … 7 = Saturday, counted from Sunday 6 January 2002.
int dayOfWeek(int fullYear, int month, int day);

// Day of year on which a switch rule of table 6 falls in the given year: `rule`
// is the month byte and the day byte (a fixed day, or a weekday counted from the
// start or the end of the month).
int switchDayOfYear(std::uint8_t month, std::uint8_t dayRule, int fullYear);

// Summer or winter time of a moment under the switch rules of table 6 (its
// bytes 0 to 5: summer switch month, day rule, hour; winter switch the same).
// Without switching (a month of 0) it is always winter time.
std::uint8_t timeType(const DateStamp& moment, QByteArrayView switchRules);

// One hour, day or month back or forward, borrowing into the larger fields. A
// month step leaves the day unchanged.
DateStamp stepBack(DateStamp stamp, StampUnit unit);
DateStamp stepForward(DateStamp stamp, StampUnit unit);

// Seconds that bring the controller's clock C to the PC's P: within the same
// hour the difference; otherwise to the start of the controller's current hour
// (when it is ahead) or of its next hour (when it is behind).
std::int16_t clockCorrection(const DateStamp& controller, const DateStamp& pc);
