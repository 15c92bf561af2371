#include "sim/history/log_requests.h"

#include "sim/history/controller_errors.h"
#include "sim/history/history_tables.h"
#include "sim/history/record_bytes.h"

#include <algorithm>

namespace SimHist {

namespace {

constexpr std::uint8_t diagnosticLog = 0;
constexpr std::uint8_t interventionLog = 1;

constexpr LogTimeline::Shape diagnosticShape{2, 40 * ClockMoment::minute, 20 * ClockMoment::minute, 2000};
constexpr LogTimeline::Shape interventionShape{1, 4 * ClockMoment::hour, 2 * ClockMoment::hour, 1000};
constexpr LogTimeline::Shape calibrationShape{3, ClockMoment::day, 0, 400};

// As many records as one answer frame holds after the four bytes before them.
constexpr int diagnosticsPerBlock = 11;
constexpr int interventionsPerBlock = 10;

// Request 7: 0, log, first index (4 bytes), count.
constexpr int indexRequestLength = 7;
constexpr int indexEcho = 6;
constexpr int mostByIndex = 10;
// Request 8: 0, log, block number, start (6 bytes), end (6 bytes).
constexpr int periodRequestLength = 15;
constexpr int periodOffset = 3;
constexpr int stampLength = 6;
constexpr std::uint8_t damagedLogMark = 0x80;

std::uint32_t longAt(QByteArrayView data, int offset)
{
    std::uint32_t value = 0;
    for (int index = 3; index >= 0; --index)
        value = (value << 8) | static_cast<std::uint8_t>(data[offset + index]);
    return value;
}

std::uint8_t nextBlock(std::uint8_t block)
{
    return block == 255 ? 1 : static_cast<std::uint8_t>(block + 1);
}

ClockMoment firstCalibration(ClockMoment historyStart, qint64 calibrationTime)
{
    const ClockMoment sameDay = historyStart.truncated(ClockMoment::day) + calibrationTime;
    return sameDay < historyStart ? sameDay + ClockMoment::day : sameDay;
}

} // namespace

LogRequests::LogRequests(const SeededNoise& noise, ClockMoment historyStart, qint64 calibrationTime,
                         const DamagedStamps& damaged)
    : diagnosticTimeline_(noise, historyStart, diagnosticShape),
      interventionTimeline_(noise, historyStart, interventionShape),
      calibrationTimeline_(noise, firstCalibration(historyStart, calibrationTime), calibrationShape),
      diagnostics_(noise), interventions_(noise), damaged_(damaged)
{
}

LogRequests::Log LogRequests::log(std::uint8_t selector) const
{
    if (selector == interventionLog)
        return {interventionTimeline_, interventions_, interventionsPerBlock};
    return {diagnosticTimeline_, diagnostics_, diagnosticsPerBlock};
}

SimReply LogRequests::answer(std::uint8_t function, QByteArrayView data, ClockMoment now)
{
    const std::size_t expected = function == 7 ? indexRequestLength : periodRequestLength;
    if (static_cast<std::size_t>(data.size()) != expected)
        return SimReply::failure(ControllerError::badLength);
    if (data[0] != 0 || static_cast<std::uint8_t>(data[1]) > interventionLog)
        return SimReply::failure(ControllerError::badParameters);
    return function == 7 ? byIndex(data, now) : byPeriod(data, now);
}

SimReply LogRequests::byIndex(QByteArrayView data, ClockMoment now) const
{
    const Log chosen = log(static_cast<std::uint8_t>(data[1]));
    const std::uint32_t first = longAt(data, 2);
    const int count = static_cast<std::uint8_t>(data[6]);
    if (count == 0 || count > mostByIndex)
        return SimReply::failure(ControllerError::badParameters);
    const std::uint32_t newest = chosen.timeline.newest(now);
    if (newest == 0 || first < chosen.timeline.oldest(now) || first > newest)
        return SimReply::failure(ControllerError::noSuchIndices);

    QByteArray body = data.first(indexEcho).toByteArray();
    const std::uint32_t last = std::min<std::uint32_t>(newest, first + count - 1);
    body.append(static_cast<char>(last - first + 1));
    for (std::uint32_t index = first; index <= last; ++index) {
        const ClockMoment stamp = chosen.timeline.momentOf(index);
        body += chosen.records.record(index, stamp, damaged_.contains(stamp));
    }
    return SimReply::success(body);
}

LogRequests::BlockPlace LogRequests::placeOf(std::uint8_t selector, QByteArrayView period, std::uint8_t block,
                                             std::uint32_t first) const
{
    if (block == 0)
        return {0, first};
    if (!series_)
        return {ControllerError::seriesOutOfOrder, 0};
    if (series_->selector != selector || series_->period != period)
        return {ControllerError::seriesPeriodChanged, 0};
    if (block == series_->block)
        return {0, series_->blockStart}; // the answer was lost: the same block again
    if (block == nextBlock(series_->block))
        return {0, series_->next};
    return {ControllerError::seriesOutOfOrder, 0};
}

SimReply LogRequests::byPeriod(QByteArrayView data, ClockMoment now)
{
    const auto selector = static_cast<std::uint8_t>(data[1]);
    const auto block = static_cast<std::uint8_t>(data[2]);
    const QByteArrayView period = data.sliced(periodOffset, 2 * stampLength);
    const std::optional<ClockMoment> start = ClockMoment::fromStamp(period.first(stampLength));
    const std::optional<ClockMoment> end = ClockMoment::fromStamp(period.sliced(stampLength));
    if (!start || !end)
        return SimReply::failure(ControllerError::badParameters);
    if (*end < *start)
        return SimReply::failure(ControllerError::badTimeRange);
    const Log chosen = log(selector);
    const BlockPlace place = placeOf(selector, period, block, chosen.timeline.firstAtOrAfter(*start));
    if (place.error != 0)
        return SimReply::failure(place.error);

    const std::uint32_t newest = chosen.timeline.newest(now);
    const auto inPeriod = [&](std::uint32_t index) {
        return index <= newest && chosen.timeline.momentOf(index) <= *end;
    };
    QByteArray records;
    bool damagedFound = false;
    int count = 0;
    std::uint32_t index = std::max(place.start, chosen.timeline.oldest(now));
    for (; count < chosen.perBlock && inPeriod(index); ++index, ++count) {
        const ClockMoment stamp = chosen.timeline.momentOf(index);
        damagedFound = damagedFound || damaged_.contains(stamp);
        records += chosen.records.record(index, stamp, damaged_.contains(stamp));
    }
    series_ = Series{selector, period.toByteArray(), block, place.start, index};

    QByteArray body(4, '\0');
    body[0] = static_cast<char>(selector | (damagedFound ? damagedLogMark : 0));
    body[1] = static_cast<char>(block);
    body[2] = static_cast<char>(count);
    body[3] = static_cast<char>(inPeriod(index) ? 1 : 0);
    return SimReply::success(body + records);
}

void LogRequests::writeBounds(TableMemory& tables, ClockMoment now) const
{
    const auto write = [&](int table, const LogTimeline& timeline) {
        QByteArray& bytes = HistoryTable::sized(tables, table);
        RecordBytes::putLong(bytes, 0, timeline.oldest(now));
        RecordBytes::putLong(bytes, 4, timeline.newest(now));
    };
    write(HistoryTable::diagnosticBounds, diagnosticTimeline_);
    write(HistoryTable::interventionBounds, interventionTimeline_);
    write(HistoryTable::calibrationBounds, calibrationTimeline_);
}

} // namespace SimHist
