#pragma once

#include <cstdint>

// A run of fields of one table: the caller's argument of every table transfer and
// the first three data bytes of the read and write requests, which the controller
// repeats in its answer.
struct FieldRange {
    std::uint8_t table = 0;
    std::uint8_t first = 0;
    std::uint8_t count = 0;

    bool operator==(const FieldRange&) const = default;
};
