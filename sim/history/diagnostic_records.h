#pragma once

#include "sim/history/log_record_maker.h"
#include "sim/history/seeded_noise.h"

namespace SimHist {

// The diagnostic log: one event a record, with its object and, for set-point crossings, the value
// and the set-point. Successive records go through every diagnostic code the controller knows
// (and one of a later firmware), so any run of `eventKinds()` records holds each of them.
class DiagnosticRecords : public LogRecordMaker {
public:
    static constexpr int size = 22;

    explicit DiagnosticRecords(const SeededNoise& noise);

    int recordSize() const override { return size; }
    QByteArray record(std::uint32_t index, ClockMoment stamp, bool damaged) const override;
    static int eventKinds();

private:
    SeededNoise noise_;
    int firstKind_;
};

} // namespace SimHist
