#pragma once

#include "tables/field_range.h"

#include <QByteArrayView>
#include <vector>

// Which write requests carry an edit to the controller. Every request costs a
// fixed 26 bytes besides its field values, so changed fields close together go
// in one request (the unchanged fields between them written with their current
// values) when that is cheaper than one request per run of changed fields.
// No request is longer than one write frame allows.

// A run of fields, counted from the start of the bytes compared.
struct FieldRun {
    int first = 0;
    int count = 0;

    bool operator==(const FieldRun&) const = default;
};

inline constexpr int WriteRequestOverhead = 26; // header, credentials, value byte, range, checksum

// `before` and `now` hold the same run of fields of `fieldLength` bytes each.
std::vector<FieldRun> changedFieldRuns(int fieldLength, QByteArrayView before, QByteArrayView now);

// The requests for a range of a catalogue table; none when nothing changed.
std::vector<FieldRange> changedFieldWrites(const FieldRange& range, QByteArrayView before, QByteArrayView now);
