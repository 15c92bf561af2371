#include "sim/history/archive_record_maker.h"

#include <span>

#include "sim/history/record_bytes.h"

namespace SimHist {

using RecordBytes::putFloat;
using RecordBytes::putStamp;
using RecordBytes::putWord;

namespace {

// ChromMomentRecord: stamp 0-5, flags 6, status word 7-8, values from 11, CRC 91-92.
constexpr int momentFlags = 6;
constexpr int chromatographStatusWord = 7;
constexpr int chromatographMomentValues = 11;
// WmtMomentRecord: stamp 0-5, flags 6, status word 9-10, values from 11, CRC 27-28.
constexpr int moistureStatusWord = 9;
constexpr int moistureMomentValues = 11;
// Interval records: date 0-2, start time 3-5, end time 6-8, status 9, values from 10.
constexpr int intervalStartTime = 3;
constexpr int intervalEndTime = 6;
constexpr int intervalStatus = 9;
constexpr int intervalValues = 10;

namespace Flag {
constexpr std::uint8_t manualCalibration = 0x01;
constexpr std::uint8_t switchedOff = 0x02;
constexpr std::uint8_t moistureNoLink = 0x04;
constexpr std::uint8_t abnormal = 0x08;
constexpr std::uint8_t outOfLimits = 0x10;
constexpr std::uint8_t noLink = 0x20;
constexpr std::uint8_t notUpdated = 0x40;
constexpr std::uint8_t automaticCalibration = 0x80;
} // namespace Flag

constexpr std::uint8_t endHourFlag = 0x80;

// The flags of a chromatograph interval in which the analysis could not be used as it was.
std::uint8_t substituteFlags(const SlotConditions& conditions)
{
    return (conditions.chromatographAbnormal ? Flag::abnormal : 0) |
           (conditions.valueOutOfLimits ? Flag::outOfLimits : 0) |
           (conditions.chromatographLinkLost ? Flag::noLink : 0) |
           (conditions.chromatographNotUpdated ? Flag::notUpdated : 0);
}

void putValues(QByteArray& record, int offset, std::span<const double> values)
{
    for (std::size_t index = 0; index < values.size(); ++index)
        putFloat(record, offset + 4 * static_cast<int>(index), values[index]);
}

} // namespace

ArchiveRecordMaker::ArchiveRecordMaker(const GasModel& gas, const MoistureModel& moisture,
                                       const EpisodeSchedule& episodes, ClockMoment historyStart,
                                       const DamagedStamps& damaged)
    : gas_(gas), moisture_(moisture), episodes_(episodes), firstSlot_(historyStart.truncated(ClockMoment::fiveMinutes)),
      damaged_(damaged)
{
}

QByteArray ArchiveRecordMaker::chromatographMoment(ClockMoment slot) const
{
    QByteArray record(chromatographMomentSize, '\0');
    putStamp(record, 0, slot, 6);
    const SlotConditions conditions = episodes_.at(slot);
    std::uint8_t flags = 0;
    if (conditions.switchedOff) {
        flags = Flag::switchedOff;
    } else if (conditions.chromatographLinkLost) {
        flags = Flag::noLink;
    } else {
        flags = substituteFlags(conditions) | (conditions.manualCalibration ? Flag::manualCalibration : 0) |
                (conditions.automaticCalibration ? Flag::automaticCalibration : 0);
        putWord(record, chromatographStatusWord, conditions.chromatographStatus);
        putValues(record, chromatographMomentValues, gas_.analysisAt(slot));
    }
    record[momentFlags] = static_cast<char>(flags);
    RecordBytes::seal(record, damaged_.contains(slot));
    return record;
}

QByteArray ArchiveRecordMaker::moistureMoment(ClockMoment slot) const
{
    QByteArray record(moistureMomentSize, '\0');
    putStamp(record, 0, slot, 6);
    const SlotConditions conditions = episodes_.at(slot);
    if (conditions.switchedOff) {
        record[momentFlags] = static_cast<char>(Flag::switchedOff);
    } else if (conditions.moistureMeterLinkLost) {
        record[momentFlags] = static_cast<char>(Flag::moistureNoLink);
    } else {
        putWord(record, moistureStatusWord, conditions.moistureMeterStatus);
        const MoistureValues values = moisture_.measurementAt(slot);
        putValues(record, moistureMomentValues, std::span(values).first(MoistureSlot::archivedCount));
    }
    RecordBytes::seal(record, damaged_.contains(slot));
    return record;
}

template <typename Visit> void ArchiveRecordMaker::forEachSlot(const ArchiveInterval& interval, Visit visit) const
{
    for (ClockMoment slot = interval.start; slot < interval.end; slot = slot + ClockMoment::fiveMinutes) {
        if (slot < firstSlot_)
            continue;
        const SlotConditions conditions = episodes_.at(slot);
        if (!conditions.switchedOff)
            visit(slot, conditions);
    }
}

void ArchiveRecordMaker::putIntervalHeader(QByteArray& record, const ArchiveInterval& interval,
                                           std::uint8_t status) const
{
    putStamp(record, 0, interval.start, 3);
    RecordBytes::putTime(record, intervalStartTime, interval.start);
    RecordBytes::putTime(record, intervalEndTime, interval.closed);
    if (interval.daily && interval.closedOnTime)
        record[intervalEndTime] = static_cast<char>(record[intervalEndTime] | endHourFlag);
    record[intervalStatus] = static_cast<char>(status);
}

QByteArray ArchiveRecordMaker::chromatographInterval(const ArchiveInterval& interval) const
{
    QByteArray record(chromatographIntervalSize, '\0');
    GasValues sum{};
    int counted = 0;
    std::uint8_t status = 0;
    forEachSlot(interval, [&](ClockMoment slot, const SlotConditions& conditions) {
        status |= substituteFlags(conditions);
        const GasValues values = conditions.chromatographSound() ? gas_.analysisAt(slot) : gas_.substituteAt(slot);
        for (int index = 0; index < GasSlot::count; ++index)
            sum[index] += values[index];
        ++counted;
    });
    if (counted == 0)
        status = Flag::switchedOff;
    for (double& value : sum)
        value = counted > 0 ? value / counted : 0.0;
    putIntervalHeader(record, interval, status);
    putValues(record, intervalValues, sum);
    RecordBytes::seal(record, damaged_.contains(interval.start));
    return record;
}

QByteArray ArchiveRecordMaker::moistureInterval(const ArchiveInterval& interval) const
{
    QByteArray record(moistureIntervalSize, '\0');
    MoistureValues sum{};
    int lived = 0;
    int measured = 0;
    std::uint8_t status = 0;
    forEachSlot(interval, [&](ClockMoment slot, const SlotConditions& conditions) {
        ++lived;
        if (conditions.moistureMeterLinkLost) {
            status |= Flag::moistureNoLink;
            return;
        }
        const MoistureValues values = moisture_.measurementAt(slot);
        for (int index = 0; index < MoistureSlot::count; ++index)
            sum[index] += values[index];
        ++measured;
    });
    if (lived == 0)
        status = Flag::switchedOff;
    for (double& value : sum)
        value = measured > 0 ? value / measured : 0.0;
    putIntervalHeader(record, interval, status);
    putValues(record, intervalValues, std::span(sum).first(MoistureSlot::archivedCount));
    RecordBytes::seal(record, damaged_.contains(interval.start));
    return record;
}

} // namespace SimHist
