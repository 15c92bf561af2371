#pragma once

#include "archives/interval_record.h"
#include "gas/gas_params.h"

// One hourly or daily mean of the chromatograph.
class ChromIntervalRecord : public IntervalRecord {
public:
    static constexpr int Size = 92;

    // Bits of the status byte: the controller was off, or a substitute value
    // stood in for an abnormal chromatograph, a value out of its limits, a lost
    // link with the HMU or data not updated.
    static constexpr std::uint8_t SwitchedOff = 0x02;
    static constexpr std::uint8_t ChromatographAbnormal = 0x08;
    static constexpr std::uint8_t OutOfLimits = 0x10;
    static constexpr std::uint8_t NoHmuLink = 0x20;
    static constexpr std::uint8_t NotUpdated = 0x40;

    explicit ChromIntervalRecord(QByteArray bytes) : IntervalRecord(std::move(bytes), Size) {}

    GasParams gasParams() const;
};
