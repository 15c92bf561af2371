#pragma once

#include <array>
#include <cstdint>
#include <span>

// Table 7 as the controller sends it: field k is non-zero when the controller
// considers table k destroyed.
class DestroyedTables {
public:
    static constexpr int Size = 38;

    DestroyedTables() = default;
    // The first 38 bytes of the table; bytes that are missing read as intact.
    explicit DestroyedTables(std::span<const std::uint8_t> table);
    // How the program sees a controller of the unconfigured software version,
    // whose table 7 it does not read.
    static DestroyedTables everyTable();

    bool isDestroyed(int table) const; // false for a number outside 0..37

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, Size> bytes_{};
};
