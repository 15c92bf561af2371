#pragma once

#include "sim/history/clock_moment.h"

#include <QDateTime>
#include <QList>
#include <QSet>

namespace SimHist {

// The moments whose records the simulated controller sends with a wrong checksum.
class DamagedStamps {
public:
    explicit DamagedStamps(const QList<QDateTime>& moments);

    bool contains(ClockMoment stamp) const { return seconds_.contains(stamp.seconds()); }

private:
    QSet<qint64> seconds_;
};

} // namespace SimHist
