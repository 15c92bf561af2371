#pragma once

#include "tables/field_range.h"

#include <QString>
#include <cstdint>
#include <optional>

// What the program knows of one controller table: how many fields the controller
// holds, how long each is, whether the table belongs to the configuration (read by
// the bulk read, offered for restoring, counted in progress bars), and where its
// bytes lie in ParamImage (none for the tables without fields).
struct TableDescriptor {
    std::uint8_t fieldCount = 0;
    std::uint8_t fieldLength = 0;
    bool configuration = false;
    std::optional<int> offset;

    constexpr int size() const { return fieldCount * fieldLength; }
};

namespace TableCatalogue {
inline constexpr int TableCount = 38;
inline constexpr int ImageSize = 1584; // all tables back to back

bool isTable(int table);
// The descriptor of table 0..37; any other number gets an empty descriptor
// (no fields, no place, not configuration), so nothing can be transferred for it.
const TableDescriptor& descriptor(int table);
// The name shown in messages and in the table-state list; empty for other numbers.
QString name(int table);
// True when the fields of the range lie within the table's fields (an empty range
// of an existing table included).
bool contains(const FieldRange& range);
// How many tables carry the configuration flag (the length of progress bars).
int configurationTableCount();
} // namespace TableCatalogue
