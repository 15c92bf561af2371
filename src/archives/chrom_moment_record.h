#pragma once

#include "archives/moment_record.h"
#include "gas/gas_params.h"

// One chromatograph analysis of the 5-minute archive.
class ChromMomentRecord : public MomentRecord {
public:
    static constexpr int Size = 93;

    // Bits of the record flags.
    static constexpr std::uint8_t ManualCalibration = 0x01;
    static constexpr std::uint8_t SwitchedOff = 0x02;
    static constexpr std::uint8_t ChromatographAbnormal = 0x08;
    static constexpr std::uint8_t OutOfLimits = 0x10;
    static constexpr std::uint8_t NoHmuLink = 0x20;
    static constexpr std::uint8_t NotUpdated = 0x40;
    static constexpr std::uint8_t AutomaticCalibration = 0x80;

    explicit ChromMomentRecord(QByteArray bytes) : MomentRecord(std::move(bytes), Size) {}

    // The chromatograph's own status word; 0 = normal.
    std::uint16_t chromatographStatus() const;
    GasParams gasParams() const;
};
