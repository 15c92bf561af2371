#pragma once

#include <QDateTime>
#include <functional>

// The PC's clock, as the procedures that set or compare the controller's clock
// read it. It is handed to them so that a test can hold the PC at a moment of
// its choosing.
using PcClock = std::function<QDateTime()>;

// The PC's own local time.
inline QDateTime pcLocalTime()
{
    return QDateTime::currentDateTime();
}
