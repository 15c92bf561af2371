#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <cstdint>

// Calendar rules the controller applies to its clock: the day of week as table 2
// holds it and the summer/winter time type from the switch rules of table 6.
class SimSeason {
public:
    static constexpr std::uint8_t summer = 0;
    static constexpr std::uint8_t winter = 128;

    // 1 = Sunday ... 7 = Saturday.
    static int weekday(const QDate& date);

    // Time type of a moment by table 6 bytes 0 to 5; a month of 0 disables the switch.
    static std::uint8_t timeType(QByteArrayView systemTable, const QDateTime& moment);

    // Day on which a switch rule (month byte, day byte) falls in a year; invalid if none.
    static QDate switchDay(int year, std::uint8_t month, std::uint8_t day);
};
