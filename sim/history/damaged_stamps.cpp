#include "sim/history/damaged_stamps.h"

DamagedStamps::DamagedStamps(const QList<QDateTime>& moments) {
    for (const QDateTime& moment : moments)
        seconds_.insert(ClockMoment::fromDateTime(moment).seconds());
}
