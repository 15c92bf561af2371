#pragma once

#include "tables/destroyed_tables.h"

#include <array>
#include <cstdint>
#include <initializer_list>

// What the repair procedure knows of each of the 38 tables, three flag rows of
// 38 bytes: bytes 0..37 the configuration flag, 38..75 table 7 as read
// (destroyed), 76..113 chosen for writing.
class TableStateSet {
public:
    static constexpr int Size = 114;

    // Configuration flags from the catalogue, destroyed flags as given, nothing chosen.
    explicit TableStateSet(const DestroyedTables& destroyed = {});

    bool isConfiguration(int table) const { return flag(ConfigurationRow, table); }
    bool isDestroyed(int table) const { return flag(DestroyedRow, table); }
    bool isToWrite(int table) const { return flag(ToWriteRow, table); }
    // Only configuration tables can be chosen; the call is ignored for any other number.
    void setToWrite(int table, bool toWrite);
    // No table but these is chosen for writing.
    bool nothingChosenBut(std::initializer_list<int> tables) const;

    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    static constexpr int ConfigurationRow = 0;
    static constexpr int DestroyedRow = 38;
    static constexpr int ToWriteRow = 76;

    bool flag(int row, int table) const;

    std::array<std::uint8_t, Size> bytes_{};
};
