#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <cstdint>

// One column of the date-and-time window, as shown.
struct ClockColumn {
    QString date;     // "dd.mm.yy"
    QString time;     // "hh:mm:ss"
    QString dayName;  // "Воскресенье" … "Суббота"
    QString timeType; // "Летнее" or "Зимнее"

    bool operator==(const ClockColumn&) const = default;
};

// The controller's clock (table 2) beside the PC's, and the correction that
// would bring the controller to the PC time.
struct ClockComparison {
    struct Differences {
        bool date = false;
        bool time = false;
        bool dayName = false;
        bool timeType = false;
    };

    ClockColumn controller;
    ClockColumn pc; // day of week and time type computed (time type by the switch rules of table 6)
    Differences differs;
    bool sameSecond = false; // the stamps are equal to the second: nothing to correct
    std::int16_t correction = 0;
};

ClockComparison compareClocks(QByteArrayView table2, QByteArrayView table6, const QDateTime& pcNow);
