#pragma once

#include "tables/date_stamp.h"

#include <array>
#include <cstdint>
#include <span>

// Table 0 as the controller sends it: 18 one-byte fields, read only.
class Identification {
public:
    static constexpr int Size = 18;
    static constexpr int ServedTypeCode = 73;
    static constexpr int ServedSoftwareVersion = 4;
    // A controller after a reset: every table counts as destroyed and the whole
    // configuration must be written before it works again.
    static constexpr int UnconfiguredSoftwareVersion = 14;

    // Byte 10 values; any other value is an unknown order.
    enum ByteOrder : std::uint8_t { LowAddressHighByte = 0, LowAddressLowByte = 1 };

    struct ProtocolVersion {
        int major, minor, revision;
        bool operator==(const ProtocolVersion&) const = default;
    };

    Identification() = default;
    // The first 18 bytes of the table; bytes that are missing read as 0.
    explicit Identification(std::span<const std::uint8_t> table);

    int destroyedTable() const { return bytes_[0]; } // 0: no destroyed table
    int typeCode() const { return bytes_[1]; }
    int hardwareVersion() const { return bytes_[2]; }
    int softwareVersion() const { return bytes_[3]; }
    // The fields as sent, plausible or not.
    DateStamp softwareCreated() const;
    int byteOrder() const { return bytes_[10]; }
    bool worksAtDifferentBitRates() const { return bytes_[11] != 0; }
    // The controller holds its name (table 5) in code page 866, else in Windows-1251.
    bool nameInCodePage866() const { return bytes_[12] == 0; }
    bool addressChangeable() const { return bytes_[13] == 0; }
    int fixedAddress() const { return bytes_[13]; } // meaningful when the address cannot change
    // The latest exchange-protocol version the controller supports.
    ProtocolVersion protocolVersion() const { return {bytes_[14], bytes_[15], bytes_[16]}; }

    // What a configuration created new claims to be made for.
    void setTypeCode(std::uint8_t code) { bytes_[1] = code; }
    void setSoftwareVersion(std::uint8_t version) { bytes_[3] = version; }

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, Size> bytes_{};
};
