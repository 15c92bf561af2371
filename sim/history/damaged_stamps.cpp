#include "sim/history/damaged_stamps.h"

namespace SimHist {

DamagedStamps::DamagedStamps(const QList<QDateTime>& moments)
{
    for (const QDateTime& moment : moments)
        seconds_.insert(ClockMoment::fromDateTime(moment).seconds());
}

} // namespace SimHist
