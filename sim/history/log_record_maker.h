#pragma once

#include "sim/history/clock_moment.h"

#include <QByteArray>
#include <cstdint>

namespace SimHist {

// The records of one event log, made for any global index and moment.
class LogRecordMaker {
public:
    virtual ~LogRecordMaker() = default;

    virtual int recordSize() const = 0;
    virtual QByteArray record(std::uint32_t index, ClockMoment stamp, bool damaged) const = 0;
};

} // namespace SimHist
