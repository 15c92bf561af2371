#include "sim/history/intervention_records.h"

#include "sim/history/record_bytes.h"
#include "sim/history/set_point_defaults.h"

#include <array>

namespace SimHist {

namespace {

// InterventionRecord: stamp 0-5, operator's level 6, table 7, field 8, unit 9, old value 10-13,
// new value 14-17, operator's name 18-21, CRC 22-23.
constexpr int levelByte = 6;
constexpr int tableByte = 7;
constexpr int fieldByte = 8;
constexpr int unitByte = 9;
constexpr int oldValue = 10;
constexpr int newValue = 14;
constexpr int operatorName = 18;
constexpr std::int64_t logKey = 1;
// The distribution flags and the set-point tables are kept per gas-parameter slot.
constexpr std::uint8_t firstSlotTable = 21;
constexpr std::uint8_t lastSlotTable = 26;

enum class Value { byteRange, switchDay, hourPeriod, setPoint, name, none };

struct ChangeKind {
    std::uint8_t table;
    std::uint8_t firstField;
    std::uint8_t lastField;
    std::uint8_t unit;
    Value value;
    std::uint8_t low = 0;
    std::uint8_t high = 0;
};

namespace Unit {
constexpr std::uint8_t none = 0;
constexpr std::uint8_t bitRate = 8;
constexpr std::uint8_t hundredths = 16;
constexpr std::uint8_t tenths = 21;
} // namespace Unit

constexpr std::uint8_t lastFlowComputer = 3; // fields of the per-flow-computer tables the operators touch

constexpr std::array<ChangeKind, 58> changeKindList = {{
    {2, 0, 0, Unit::none, Value::byteRange, 20, 30},
    {2, 1, 1, Unit::none, Value::byteRange, 1, 12},
    {2, 2, 2, Unit::none, Value::byteRange, 1, 28},
    {2, 3, 3, Unit::none, Value::byteRange, 0, 23},
    {2, 4, 4, Unit::none, Value::byteRange, 0, 59},
    {2, 5, 5, Unit::none, Value::byteRange, 0, 59},
    {2, 6, 6, Unit::none, Value::byteRange, 1, 7},
    {2, 7, 7, Unit::none, Value::byteRange, 0, 1},
    {3, 0, 0, Unit::none, Value::byteRange, 1, 247},
    {3, 1, 1, Unit::bitRate, Value::byteRange, 0, 21},
    {3, 2, 2, Unit::none, Value::byteRange, 0, 10},
    {3, 3, 3, Unit::none, Value::byteRange, 0, 0},
    {4, 0, 15, Unit::none, Value::none},
    {5, 0, 0, Unit::none, Value::name},
    {6, 0, 0, Unit::none, Value::byteRange, 2, 5},
    {6, 1, 1, Unit::none, Value::switchDay},
    {6, 2, 2, Unit::none, Value::byteRange, 0, 22},
    {6, 3, 3, Unit::none, Value::byteRange, 9, 12},
    {6, 4, 4, Unit::none, Value::switchDay},
    {6, 5, 5, Unit::none, Value::byteRange, 1, 23},
    {6, 6, 6, Unit::none, Value::byteRange, 0, 23},
    {6, 7, 7, Unit::none, Value::byteRange, 1, 1},
    {6, 8, 8, Unit::none, Value::byteRange, 0, 1},
    {6, 9, 9, Unit::none, Value::byteRange, 0, 0},
    {9, 0, 0, Unit::none, Value::byteRange, 1, 16},
    {9, 1, 1, Unit::bitRate, Value::byteRange, 0, 21},
    {9, 2, 2, Unit::none, Value::byteRange, 1, 10},
    {9, 3, 3, Unit::tenths, Value::byteRange, 1, 255},
    {9, 4, 4, Unit::none, Value::byteRange, 0, 10},
    {9, 5, 5, Unit::none, Value::byteRange, 0, 3},
    {13, 0, lastFlowComputer, Unit::none, Value::none},
    {14, 0, 0, Unit::none, Value::byteRange, 1, 247},
    {14, 1, 1, Unit::bitRate, Value::byteRange, 0, 21},
    {14, 2, 2, Unit::none, Value::byteRange, 0, 1},
    {14, 3, 3, Unit::none, Value::byteRange, 0, 4},
    {14, 4, 4, Unit::hundredths, Value::byteRange, 5, 255},
    {14, 5, 5, Unit::none, Value::byteRange, 1, 10},
    {14, 6, 6, Unit::none, Value::byteRange, 2, 2},
    {15, 0, 0, Unit::none, Value::byteRange, 1, 247},
    {15, 1, 1, Unit::bitRate, Value::byteRange, 0, 21},
    {15, 2, 2, Unit::none, Value::byteRange, 0, 1},
    {15, 3, 3, Unit::none, Value::byteRange, 0, 4},
    {15, 4, 4, Unit::hundredths, Value::byteRange, 5, 255},
    {15, 5, 5, Unit::none, Value::byteRange, 1, 10},
    {15, 6, 6, Unit::none, Value::byteRange, 0, 2},
    {17, 0, lastFlowComputer, Unit::none, Value::byteRange, 0, 3},
    {18, 0, lastFlowComputer, Unit::none, Value::byteRange, 1, 254},
    {19, 0, lastFlowComputer, Unit::none, Value::byteRange, 0, 7},
    {20, 0, lastFlowComputer, Unit::none, Value::byteRange, 0, 1},
    {21, 0, 0, Unit::none, Value::byteRange, 0, 2},
    {22, 0, 0, Unit::none, Value::setPoint},
    {23, 0, 0, Unit::none, Value::setPoint},
    {24, 0, 0, Unit::none, Value::setPoint},
    {25, 0, 0, Unit::none, Value::setPoint},
    {26, 0, 0, Unit::none, Value::setPoint},
    {28, 0, 0, Unit::none, Value::hourPeriod},
    {28, 1, 1, Unit::none, Value::byteRange, 0, 0},
    {29, 0, 6, Unit::none, Value::byteRange, 0, 255},
}};

constexpr std::array<std::uint8_t, 5> switchDays = {0xC9, 0xCA, 0x89, 15, 25};
constexpr std::array<std::uint8_t, 7> hourPeriods = {1, 2, 3, 4, 6, 12, 24};
constexpr std::array<const char*, 4> controllerNames = {"GRS-", "KKG ", "Node", "Stat"};

struct Operator {
    const char* name;
    std::uint8_t level;
};
constexpr std::array<Operator, 3> operators = {{{"MAN ", 1}, {"ADM ", 2}, {"OPER", 4}}};

double setPointOf(std::uint8_t table, int slot)
{
    const SetPointDefaults& defaults = setPointDefaults()[slot];
    switch (table) {
    case 22:
        return defaults.zone;
    case 23:
        return defaults.lowerWarning;
    case 24:
        return defaults.upperWarning;
    case 25:
        return defaults.lowerLimit;
    default:
        return defaults.upperLimit;
    }
}

} // namespace

InterventionRecords::InterventionRecords(const SeededNoise& noise)
    : noise_(noise), firstKind_(noise.below(changeKinds(), NoiseStream::logDetail, 0, logKey))
{
}

int InterventionRecords::changeKinds()
{
    return static_cast<int>(changeKindList.size());
}

QByteArray InterventionRecords::record(std::uint32_t index, ClockMoment stamp, bool damaged) const
{
    const ChangeKind& kind = changeKindList[(index + firstKind_) % changeKindList.size()];
    const auto part = [](int number) { return 8 * logKey + number; };
    const auto draw = [&](int count, int number) {
        return noise_.below(count, NoiseStream::logDetail, index, part(number));
    };
    const auto pick = [&](const auto& choices, int number) {
        return choices[draw(static_cast<int>(choices.size()), number)];
    };
    const bool bySlot = kind.table >= firstSlotTable && kind.table <= lastSlotTable;
    const int slot = setPointSlot(noise_.bits(NoiseStream::logDetail, index, part(4)));

    QByteArray record(size, '\0');
    RecordBytes::putStamp(record, 0, stamp, 6);
    const Operator& who = operators[draw(static_cast<int>(operators.size()), 0)];
    record[levelByte] = static_cast<char>(who.level);
    record.replace(operatorName, 4, who.name);
    record[tableByte] = static_cast<char>(kind.table);
    record[fieldByte] =
        static_cast<char>(bySlot ? slot : kind.firstField + draw(kind.lastField - kind.firstField + 1, 1));
    record[unitByte] = static_cast<char>(kind.value == Value::setPoint ? slotUnitCode(slot) : kind.unit);

    switch (kind.value) {
    case Value::byteRange: {
        const int span = kind.high - kind.low + 1;
        const int fresh = draw(span, 2);
        const int previous = span > 1 ? (fresh + 1 + draw(span - 1, 3)) % span : fresh;
        record[oldValue] = static_cast<char>(kind.low + previous);
        record[newValue] = static_cast<char>(kind.low + fresh);
        break;
    }
    case Value::switchDay:
        record[oldValue] = static_cast<char>(pick(switchDays, 2));
        record[newValue] = static_cast<char>(pick(switchDays, 3));
        break;
    case Value::hourPeriod:
        record[oldValue] = static_cast<char>(pick(hourPeriods, 2));
        record[newValue] = static_cast<char>(pick(hourPeriods, 3));
        break;
    case Value::setPoint: {
        const double previous = setPointOf(kind.table, slot);
        const double fresh = previous > 0.0
                                 ? previous * noise_.between(0.8, 1.2, NoiseStream::logDetail, index, part(3))
                                 : noise_.between(0.0, 0.1, NoiseStream::logDetail, index, part(3));
        RecordBytes::putFloat(record, oldValue, previous);
        RecordBytes::putFloat(record, newValue, fresh);
        break;
    }
    case Value::name:
        record.replace(oldValue, 4, pick(controllerNames, 2));
        record.replace(newValue, 4, pick(controllerNames, 3));
        break;
    case Value::none:
        break;
    }
    RecordBytes::seal(record, damaged);
    return record;
}

} // namespace SimHist
