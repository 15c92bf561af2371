#pragma once

#include "archives/interval_record.h"
#include "archives/wmt_params.h"

// One hourly or daily mean of the moisture meter.
class WmtIntervalRecord : public IntervalRecord {
public:
    static constexpr int Size = 28;

    // Bits of the status byte.
    static constexpr std::uint8_t SwitchedOff = 0x02;
    static constexpr std::uint8_t NoMeterLink = 0x04;

    explicit WmtIntervalRecord(QByteArray bytes) : IntervalRecord(std::move(bytes), Size) {}

    WmtParams values() const;
};
