#pragma once

#include "tables/field_range.h"
#include "tables/table_catalogue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <span>

// The program's copy of every controller table, back to back in table-number order.
// Dialogs edit the bytes of a table in place; a handler copies the image (or the
// bytes of a range) before an edit so that only changed fields are written back.
// Every accessor is bounded: a wrong table, field or range yields nothing and
// never reaches outside the image.
class ParamImage {
public:
    // All bytes of table n; empty for a table without fields or a wrong number.
    std::span<std::uint8_t> table(int n);
    std::span<const std::uint8_t> table(int n) const;
    // Field i of table n; empty when the table has no such field.
    std::span<std::uint8_t> field(int n, int i);
    std::span<const std::uint8_t> field(int n, int i) const;
    // The bytes of the range's fields; empty when the range is not inside its table.
    std::span<std::uint8_t> fields(const FieldRange& range);
    std::span<const std::uint8_t> fields(const FieldRange& range) const;

    // A copy of the range's bytes (the content before an edit, or the data of a
    // write request); empty when the range is not inside its table.
    QByteArray copyOf(const FieldRange& range) const;
    // Copies bytes into the range; refused (false, image unchanged) unless the range
    // is inside its table and the bytes are exactly its count × field length.
    bool assign(const FieldRange& range, QByteArrayView bytes);

    std::span<const std::uint8_t, TableCatalogue::ImageSize> all() const { return bytes_; }

    bool operator==(const ParamImage&) const = default;

private:
    std::array<std::uint8_t, TableCatalogue::ImageSize> bytes_{};
};
