#include "exchange/changed_fields.h"

#include "tables/table_catalogue.h"
#include "tables/table_transfer.h"

#include <algorithm>

namespace {

int cost(int fields, int fieldLength)
{
    return WriteRequestOverhead + fields * fieldLength;
}

std::vector<FieldRun> runsOfChangedFields(const std::vector<bool>& changed)
{
    std::vector<FieldRun> runs;
    for (int field = 0; field < static_cast<int>(changed.size()); ++field) {
        if (!changed[field])
            continue;
        if (!runs.empty() && runs.back().first + runs.back().count == field)
            ++runs.back().count;
        else
            runs.push_back({field, 1});
    }
    return runs;
}

// Runs too long for one frame go as several requests.
std::vector<FieldRun> withinFrame(const std::vector<FieldRun>& runs, int fieldsPerWrite)
{
    std::vector<FieldRun> requests;
    for (const FieldRun& run : runs)
        for (int first = run.first; first < run.first + run.count; first += fieldsPerWrite)
            requests.push_back({first, std::min(fieldsPerWrite, run.first + run.count - first)});
    return requests;
}

} // namespace

std::vector<FieldRun> changedFieldRuns(int fieldLength, QByteArrayView before, QByteArrayView now)
{
    if (fieldLength <= 0 || before.size() != now.size())
        return {};
    const int fieldCount = static_cast<int>(now.size() / fieldLength);
    std::vector<bool> changed(static_cast<std::size_t>(fieldCount));
    for (int field = 0; field < fieldCount; ++field)
        changed[field] =
            before.sliced(field * fieldLength, fieldLength) != now.sliced(field * fieldLength, fieldLength);

    const std::vector<FieldRun> runs = runsOfChangedFields(changed);
    if (runs.empty())
        return {};
    const int fieldsPerWrite = std::max(TableTransfer::MaxWriteBytes / fieldLength, 1);
    const FieldRun span{runs.front().first, runs.back().first + runs.back().count - runs.front().first};
    if (span.count <= 2 || runs.size() == 1)
        return withinFrame({span}, fieldsPerWrite);

    int separateCost = 0;
    for (const FieldRun& run : runs)
        separateCost += cost(run.count, fieldLength);
    // One request only if it is one request: a span longer than a frame would be split anyway.
    if (cost(span.count, fieldLength) < separateCost && span.count <= fieldsPerWrite)
        return {span};
    return withinFrame(runs, fieldsPerWrite);
}

std::vector<FieldRange> changedFieldWrites(const FieldRange& range, QByteArrayView before, QByteArrayView now)
{
    std::vector<FieldRange> requests;
    const int fieldLength = TableCatalogue::descriptor(range.table).fieldLength;
    for (const FieldRun& run : changedFieldRuns(fieldLength, before, now))
        requests.push_back(
            {range.table, static_cast<std::uint8_t>(range.first + run.first), static_cast<std::uint8_t>(run.count)});
    return requests;
}
