#pragma once

#include "archives/moment_record.h"
#include "archives/wmt_params.h"

// One moisture-meter measurement of the 5-minute archive.
class WmtMomentRecord : public MomentRecord {
public:
    static constexpr int Size = 29;

    // Bits of the record flags.
    static constexpr std::uint8_t SwitchedOff = 0x02;
    static constexpr std::uint8_t NoMeterLink = 0x04;

    explicit WmtMomentRecord(QByteArray bytes) : MomentRecord(std::move(bytes), Size) {}

    // The moisture meter's own status word; 0 = normal.
    std::uint16_t meterStatus() const;
    WmtParams values() const;
};
