#include "sim/history/archive_requests.h"

#include "sim/history/controller_errors.h"

#include <algorithm>

namespace SimHist {

namespace {

struct RequestShape {
    ArchiveUnit unit;
    std::uint8_t selector; // the first data byte: 1 for 5-minute archives, 3 for the others
    int stampLength;
};

std::optional<RequestShape> shapeOf(std::uint8_t function)
{
    switch (function) {
    case 14:
        return RequestShape{ArchiveUnit::fiveMinutes, 1, 5};
    case 15:
        return RequestShape{ArchiveUnit::hour, 3, 4};
    case 16:
        return RequestShape{ArchiveUnit::day, 3, 3};
    default:
        return std::nullopt;
    }
}

constexpr int headerLength = 3; // selector, 0, device
constexpr std::uint8_t chromatograph = 0;
constexpr std::uint8_t moistureMeterDevice = 1;
constexpr int chromatographRecordsPerAnswer = 2;
constexpr int moistureRecordsPerAnswer = 8;

} // namespace

ArchiveRequests::ArchiveRequests(const ArchiveRecordMaker& records, const EpisodeSchedule& episodes, bool moistureMeter)
    : records_(records), episodes_(episodes), moistureMeter_(moistureMeter)
{
}

SimReply ArchiveRequests::answer(std::uint8_t function, QByteArrayView data, ClockMoment now,
                                 const ArchiveCalendar& calendar) const
{
    const std::optional<RequestShape> shape = shapeOf(function);
    if (!shape)
        return SimReply::failure(ControllerError::unknownCommand);
    if (data.size() != headerLength + 2 * shape->stampLength)
        return SimReply::failure(ControllerError::badLength);
    const auto device = static_cast<std::uint8_t>(data[2]);
    if (static_cast<std::uint8_t>(data[0]) != shape->selector || data[1] != 0 ||
        (device != chromatograph && device != moistureMeterDevice))
        return SimReply::failure(ControllerError::badParameters);
    const std::optional<ClockMoment> start = ClockMoment::fromStamp(data.sliced(headerLength, shape->stampLength));
    const std::optional<ClockMoment> end = ClockMoment::fromStamp(data.sliced(headerLength + shape->stampLength));
    if (!start || !end)
        return SimReply::failure(ControllerError::badParameters);
    if (*end < *start)
        return SimReply::failure(ControllerError::badTimeRange);

    const bool moisture = device == moistureMeterDevice;
    QByteArray body(1, '\0');
    if (moisture && !moistureMeter_)
        return SimReply::success(body);
    const ArchiveCalendar::Span span = calendar.span(shape->unit, now);
    const int most = moisture ? moistureRecordsPerAnswer : chromatographRecordsPerAnswer;
    int count = 0;
    const ClockMoment last = std::min(calendar.lastRecordUpTo(shape->unit, *end), span.newest);
    for (ClockMoment record = std::max(calendar.firstRecordFrom(shape->unit, *start), span.oldest);
         record <= last && count < most; record = record + ArchiveCalendar::length(shape->unit)) {
        body += recordAt(shape->unit, moisture, record, calendar);
        ++count;
    }
    body[0] = static_cast<char>(count);
    return SimReply::success(body);
}

QByteArray ArchiveRequests::recordAt(ArchiveUnit unit, bool moisture, ClockMoment start,
                                     const ArchiveCalendar& calendar) const
{
    if (unit == ArchiveUnit::fiveMinutes)
        return moisture ? records_.moistureMoment(start) : records_.chromatographMoment(start);
    const ArchiveInterval interval = calendar.interval(unit, start, episodes_);
    return moisture ? records_.moistureInterval(interval) : records_.chromatographInterval(interval);
}

} // namespace SimHist
