#pragma once

#include "sim/history/log_record_maker.h"
#include "sim/history/seeded_noise.h"

namespace SimHist {

// The operator-intervention log: one changed table field a record, with old and new value and the
// operator's name. Successive records go through every kind of change the controller logs, so any
// run of `changeKinds()` records holds each of them.
class InterventionRecords : public LogRecordMaker {
public:
    static constexpr int size = 24;

    explicit InterventionRecords(const SeededNoise& noise);

    int recordSize() const override { return size; }
    QByteArray record(std::uint32_t index, ClockMoment stamp, bool damaged) const override;
    static int changeKinds();

private:
    SeededNoise noise_;
    int firstKind_;
};

} // namespace SimHist
