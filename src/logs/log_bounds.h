#pragma once

#include <QString>
#include <cstdint>
#include <variant>

#include "base/input_problem.h"

// The global indices of a log's oldest and newest record.
struct LogBounds {
    std::uint32_t oldest = 0;
    std::uint32_t newest = 0;

    // Equal non-zero bounds are how the controller reports an empty ring; bounds
    // with the newest below the oldest hold nothing either, not four billion records.
    bool empty() const;
};

// A run of records to read by index.
struct IndexRange {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    bool operator==(const IndexRange&) const = default;
};

// The choices of the index dialog, in its order.
enum class IndexChoice { Whole, Last100, Last50, Last10, Given };

// The range a preset choice stands for: the whole log, or its last 100, 50 or
// 10 records (the whole log when it holds fewer). `Given` proposes the whole log.
IndexRange presetRange(IndexChoice choice, const LogBounds& bounds);

// The last `count` records of the log, or the whole log when it holds fewer.
IndexRange lastRecords(const LogBounds& bounds, std::uint32_t count);

// The range typed in the dialog's two fields, checked in the dialog's order; a
// count reaching past the newest record is cut to end there.
std::variant<IndexRange, InputProblem> checkIndexRange(const LogBounds& bounds, const QString& first,
                                                       const QString& count);
