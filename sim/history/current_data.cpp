#include "sim/history/current_data.h"

#include "sim/history/history_tables.h"
#include "sim/history/record_bytes.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>

namespace SimHist {

using HistoryTable::byteOf;
using HistoryTable::sized;

namespace {

// Tables 30, 36 and 37 begin with date (3 bytes), a spare byte, time (3 bytes), a spare byte.
constexpr int dataTime = 4;
constexpr int dataValues = 8;
constexpr int averagedMoisture = dataValues + 4 * GasSlot::count;
// Table 16.
constexpr int changeTime = 0;
constexpr int flowComputerTrouble = 6;
constexpr int chromatographTrouble = 7;
constexpr int moistureMeterTrouble = 8;
constexpr int selfDiagnosticTrouble = 9;
constexpr int abnormalValue = 10;
constexpr int chromatographWord = 12;
constexpr int moistureMeterWord = 16;

constexpr int identificationTable = 0;
constexpr int destroyedTableByte = 0;
constexpr int byteOrderByte = 10;
constexpr int systemTable = 6;
constexpr int tableStates = 7;
constexpr int flowPortTable = 9;
constexpr int flowPipelineTable = 19;
constexpr int lowerWarningTable = 23;
constexpr int upperWarningTable = 24;
constexpr int lowerLimitTable = 25;
constexpr int upperLimitTable = 26;
constexpr std::array<int, 6> flowComputerTables = {9, 13, 17, 18, 19, 20};
constexpr int maximumFlowComputers = 16;
constexpr int tableCount = 38;

constexpr qint64 averagingSpan = ClockMoment::hour;
constexpr qint64 searchSpan = 30 * ClockMoment::day;

namespace Zone {
constexpr char normal = 0;
constexpr char lowerWarning = 1;
constexpr char upperWarning = 2;
constexpr char lowerAlarm = 3;
constexpr char upperAlarm = 4;
} // namespace Zone

bool destroyed(const TableMemory& tables, int table)
{
    return byteOf(tables, tableStates, table, 0) != 0;
}

std::optional<float> floatOf(const QByteArray& bytes, int offset)
{
    if (offset + 4 > bytes.size())
        return std::nullopt;
    const auto raw = qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
    float value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

char zoneOf(const TableMemory& tables, int slot, float value)
{
    const auto setPoint = [&](int table) { return floatOf(tables.table(table), 4 * slot); };
    const auto below = [&](int table) { return setPoint(table) && value < *setPoint(table); };
    const auto above = [&](int table) { return setPoint(table) && value > *setPoint(table); };
    if (below(lowerLimitTable))
        return Zone::lowerAlarm;
    if (above(upperLimitTable))
        return Zone::upperAlarm;
    if (below(lowerWarningTable))
        return Zone::lowerWarning;
    if (above(upperWarningTable))
        return Zone::upperWarning;
    return Zone::normal;
}

void putDataTime(QByteArray& bytes, std::optional<ClockMoment> moment)
{
    if (!moment)
        return;
    RecordBytes::putStamp(bytes, 0, *moment, 3);
    RecordBytes::putTime(bytes, dataTime, *moment);
}

// The controller's own byte order for 16-bit words (table 0 byte 10): 0 puts the high byte first.
void putControllerWord(const TableMemory& tables, QByteArray& bytes, int offset, std::uint16_t word)
{
    if (byteOf(tables, identificationTable, byteOrderByte, 1) == 0)
        word = static_cast<std::uint16_t>((word << 8) | (word >> 8));
    RecordBytes::putWord(bytes, offset, word);
}

template <typename Values> void putFloats(QByteArray& bytes, int offset, const Values& values)
{
    for (std::size_t index = 0; index < values.size(); ++index)
        RecordBytes::putFloat(bytes, offset + 4 * static_cast<int>(index), values[index]);
}

char flag(bool set)
{
    return set ? 1 : 0;
}

bool chromatographDelivered(const SlotConditions& conditions)
{
    return !conditions.switchedOff && !conditions.chromatographLinkLost;
}

bool moistureMeterDelivered(const SlotConditions& conditions)
{
    return !conditions.switchedOff && !conditions.moistureMeterLinkLost;
}

int flowComputerCount(const TableMemory& tables)
{
    return std::min<int>(maximumFlowComputers, byteOf(tables, flowPortTable, 0, 0));
}

} // namespace

CurrentData::CurrentData(const GasModel& gas, const MoistureModel& moisture, const EpisodeSchedule& episodes,
                         ClockMoment historyStart, const Links& links)
    : gas_(gas), moisture_(moisture), episodes_(episodes), firstSlot_(historyStart.truncated(ClockMoment::fiveMinutes)),
      links_(links)
{
}

template <typename Delivered> std::optional<ClockMoment> CurrentData::latest(ClockMoment now, Delivered delivered) const
{
    const ClockMoment limit = std::max(firstSlot_, now - searchSpan);
    for (ClockMoment slot = now.truncated(ClockMoment::fiveMinutes); slot >= limit;
         slot = slot - ClockMoment::fiveMinutes)
        if (delivered(episodes_.at(slot)))
            return slot;
    return std::nullopt;
}

template <typename Values, typename Delivered, typename Measure>
Values CurrentData::averageUpTo(ClockMoment last, Delivered delivered, Measure measure) const
{
    Values sum{};
    int count = 0;
    for (ClockMoment slot = last; slot > last - averagingSpan && slot >= firstSlot_;
         slot = slot - ClockMoment::fiveMinutes) {
        if (!delivered(episodes_.at(slot)))
            continue;
        const Values values = measure(slot);
        for (std::size_t index = 0; index < sum.size(); ++index)
            sum[index] += values[index];
        ++count;
    }
    for (double& value : sum)
        value /= std::max(count, 1);
    return sum;
}

void CurrentData::refresh(TableMemory& tables, ClockMoment now) const
{
    const SlotConditions conditions = episodes_.at(now);
    const std::optional<ClockMoment> analysis = latest(now, chromatographDelivered);
    const std::optional<ClockMoment> measurement =
        links_.moistureMeter ? latest(now, moistureMeterDelivered) : std::nullopt;
    writeChromatographData(tables, analysis);
    writeMovingAverages(tables, analysis, measurement);
    writeMoistureData(tables, measurement);
    const bool valueAbnormal = writeZones(tables, analysis.has_value());

    QByteArray& links = sized(tables, HistoryTable::instrumentLinks);
    links[0] = flag(!conditions.chromatographLinkLost);
    links[1] = flag(links_.moistureMeter && !conditions.moistureMeterLinkLost);

    bool exchangePossible = flowComputerCount(tables) > 0;
    for (const int table : flowComputerTables)
        exchangePossible = exchangePossible && !destroyed(tables, table);
    QByteArray& functions = sized(tables, HistoryTable::functions);
    const bool switching = byteOf(tables, systemTable, 0, 1) != 0 && byteOf(tables, systemTable, 3, 1) != 0 &&
                           !destroyed(tables, systemTable);
    functions[0] = flag(switching);
    functions[1] = flag(exchangePossible);
    writeFlowComputers(tables, exchangePossible);
    writeAbnormalFlags(tables, now, conditions, valueAbnormal);
}

void CurrentData::writeChromatographData(TableMemory& tables, std::optional<ClockMoment> analysis) const
{
    QByteArray& bytes = sized(tables, HistoryTable::chromatographData);
    bytes.fill('\0');
    putDataTime(bytes, analysis);
    if (!analysis)
        return;
    putFloats(bytes, dataValues, gas_.analysisAt(*analysis));
}

void CurrentData::writeMovingAverages(TableMemory& tables, std::optional<ClockMoment> analysis,
                                      std::optional<ClockMoment> measurement) const
{
    QByteArray& bytes = sized(tables, HistoryTable::movingAverages);
    bytes.fill('\0');
    putDataTime(bytes, analysis);
    if (analysis)
        putFloats(bytes, dataValues, averageUpTo<GasValues>(*analysis, chromatographDelivered, [&](ClockMoment slot) {
                      return gas_.analysisAt(slot);
                  }));
    if (measurement)
        putFloats(bytes, averagedMoisture,
                  averageUpTo<MoistureValues>(*measurement, moistureMeterDelivered,
                                              [&](ClockMoment slot) { return moisture_.measurementAt(slot); }));
}

void CurrentData::writeMoistureData(TableMemory& tables, std::optional<ClockMoment> measurement) const
{
    QByteArray& bytes = sized(tables, HistoryTable::moistureMeterData);
    bytes.fill('\0');
    putDataTime(bytes, measurement);
    if (!measurement)
        return;
    putFloats(bytes, dataValues, moisture_.measurementAt(*measurement));
}

bool CurrentData::writeZones(TableMemory& tables, bool analysed) const
{
    const QByteArray analysis = tables.table(HistoryTable::chromatographData);
    QByteArray& zones = sized(tables, HistoryTable::zones);
    bool abnormal = false;
    for (int slot = 0; slot < GasSlot::count; ++slot) {
        const bool monitored = analysed && slot != GasSlot::fractionSum && slot != GasSlot::temperature;
        zones[slot] = monitored ? zoneOf(tables, slot, *floatOf(analysis, dataValues + 4 * slot)) : Zone::normal;
        abnormal = abnormal || zones[slot] != Zone::normal;
    }
    return abnormal;
}

bool CurrentData::flowComputerLinked(int index, int count) const
{
    return index < count && (links_.flowComputers >> index & 1) != 0;
}

void CurrentData::writeFlowComputers(TableMemory& tables, bool exchangePossible) const
{
    const int count = flowComputerCount(tables);
    QByteArray& links = sized(tables, HistoryTable::flowComputerLinks);
    QByteArray& writing = sized(tables, HistoryTable::flowComputerWriting);
    for (int index = 0; index < maximumFlowComputers; ++index) {
        const bool linked = flowComputerLinked(index, count);
        links[index] = flag(linked);
        writing[index] = flag(linked && exchangePossible && byteOf(tables, flowPipelineTable, index, 1) != 0);
    }
}

void CurrentData::writeAbnormalFlags(TableMemory& tables, ClockMoment now, const SlotConditions& conditions,
                                     bool valueAbnormal) const
{
    const int count = flowComputerCount(tables);
    bool flowComputerDown = false;
    for (int index = 0; index < count; ++index)
        flowComputerDown = flowComputerDown || !flowComputerLinked(index, count);
    bool tableDestroyed = byteOf(tables, identificationTable, destroyedTableByte, 0) != 0;
    for (int table = 0; table < tableCount; ++table)
        tableDestroyed = tableDestroyed || destroyed(tables, table);

    QByteArray& flags = sized(tables, HistoryTable::abnormalFlags);
    flags.fill('\0');
    RecordBytes::putStamp(flags, changeTime, episodes_.lastPollingChange(now).value_or(firstSlot_), 6);
    flags[flowComputerTrouble] = flag(flowComputerDown);
    flags[chromatographTrouble] = flag(conditions.chromatographLinkLost || conditions.chromatographAbnormal ||
                                       conditions.chromatographNotUpdated);
    flags[moistureMeterTrouble] =
        flag(links_.moistureMeter && (conditions.moistureMeterLinkLost || conditions.moistureMeterStatus != 0));
    flags[selfDiagnosticTrouble] = flag(tableDestroyed);
    flags[abnormalValue] = flag(valueAbnormal);
    putControllerWord(tables, flags, chromatographWord, conditions.chromatographStatus);
    putControllerWord(tables, flags, moistureMeterWord, links_.moistureMeter ? conditions.moistureMeterStatus : 0);
}

} // namespace SimHist
