#include "sim/history/diagnostic_records.h"

#include "sim/history/gas_properties.h"
#include "sim/history/record_bytes.h"
#include "sim/history/set_point_defaults.h"

#include <array>

namespace SimHist {

namespace {

// DiagnosticRecord: stamp 0-5, code 6, object 7, object parameters 8-9, current value 10-13,
// set-point 14-17, 18-19 spare, CRC 20-21.
constexpr int codeByte = 6;
constexpr int objectByte = 7;
constexpr int objectParameter = 8;
constexpr int objectIndex = 9;
constexpr int currentValue = 10;
constexpr int setPointValue = 14;
constexpr std::int64_t logKey = 2;

constexpr int lastKnownCode = 81;
constexpr int laterFirmwareCode = 90; // an event of a newer firmware than the program knows

namespace Object {
constexpr std::uint8_t instrumentLink = 0x21;
constexpr std::uint8_t flowComputerLink = 0x22;
constexpr std::uint8_t chromatographAlarm = 200;
constexpr std::uint8_t moistureMeterStatus = 201;
constexpr std::uint8_t otherPort = 0x20;
constexpr std::uint8_t upperLevelPortTable = 3;
constexpr std::uint8_t currentDataTable = 30; // the table holding the value that crossed a set-point
} // namespace Object

constexpr int chromatographAlarmBits = 17;
constexpr int moistureMeterStatusBits = 16;
constexpr int reinitialisedObjects = 11; // 0 to 9 are known, 10 is not
constexpr int flowComputers = 16;

constexpr std::array<std::uint8_t, 3> memoryObjects = {242, 243, 244};
constexpr std::array<std::uint8_t, 12> configurationTables = {2, 3, 4, 5, 6, 9, 13, 14, 15, 17, 22, 29};
constexpr std::array<std::uint8_t, 6> measuredTables = {8, 16, 30, 32, 33, 34};

enum class Reference { lowerWarning, upperWarning, lowerLimit, upperLimit };

struct Crossing {
    std::uint8_t code;
    Reference reference;
    int direction; // -1 the value went below, +1 above, 0 at the set-point
};

constexpr std::array<Crossing, 19> crossings = {{
    {12, Reference::lowerLimit, -1},  {13, Reference::lowerLimit, 1},    {14, Reference::lowerWarning, -1},
    {15, Reference::lowerWarning, 1}, {16, Reference::upperWarning, -1}, {17, Reference::upperWarning, 1},
    {44, Reference::lowerLimit, -1},  {45, Reference::lowerLimit, 1},    {46, Reference::upperLimit, -1},
    {47, Reference::upperLimit, 1},   {60, Reference::lowerLimit, -1},   {61, Reference::lowerLimit, 1},
    {62, Reference::upperLimit, -1},  {63, Reference::upperLimit, 1},    {64, Reference::upperWarning, 0},
    {65, Reference::lowerLimit, -1},  {66, Reference::lowerLimit, 1},    {67, Reference::upperLimit, -1},
    {68, Reference::upperLimit, 1},
}};

const Crossing* crossingOf(int code)
{
    for (const Crossing& crossing : crossings)
        if (crossing.code == code)
            return &crossing;
    return nullptr;
}

double referenceValue(Reference reference, int slot)
{
    const SetPointDefaults& defaults = setPointDefaults()[slot];
    switch (reference) {
    case Reference::lowerWarning:
        return defaults.lowerWarning;
    case Reference::upperWarning:
        return defaults.upperWarning;
    case Reference::lowerLimit:
        return defaults.lowerLimit;
    case Reference::upperLimit:
        break;
    }
    return defaults.upperLimit;
}

int codeOfKind(int kind)
{
    return kind <= lastKnownCode ? kind : laterFirmwareCode;
}

// The seeded choices of one record.
class RecordDraws {
public:
    RecordDraws(const SeededNoise& noise, std::uint32_t index) : noise_(noise), index_(index) {}

    std::uint64_t bits(int number) const { return noise_.bits(NoiseStream::logDetail, index_, part(number)); }
    int below(int count, int number) const { return noise_.below(count, NoiseStream::logDetail, index_, part(number)); }
    double between(double low, double high, int number) const
    {
        return noise_.between(low, high, NoiseStream::logDetail, index_, part(number));
    }
    template <typename Choices> auto pick(const Choices& choices, int number) const
    {
        return choices[below(static_cast<int>(choices.size()), number)];
    }

private:
    static std::int64_t part(int number) { return 8 * logKey + number; }
    const SeededNoise& noise_;
    std::uint32_t index_;
};

void put(QByteArray& bytes, int offset, int value)
{
    bytes[offset] = static_cast<char>(value);
}

void describeCrossing(QByteArray& record, const Crossing& crossing, const RecordDraws& draws)
{
    const int slot = setPointSlot(draws.bits(1));
    const double setPoint = referenceValue(crossing.reference, slot);
    const double step = draws.between(0.001, 0.03, 2);
    put(record, objectByte, Object::currentDataTable);
    put(record, objectIndex, slot);
    RecordBytes::putFloat(record, currentValue,
                          setPoint > 0.0 ? setPoint * (1.0 + crossing.direction * step) : crossing.direction * step);
    RecordBytes::putFloat(record, setPointValue, setPoint);
}

void describeLink(QByteArray& record, const RecordDraws& draws)
{
    switch (draws.below(4, 1)) {
    case 0:
    case 1:
        put(record, objectByte, Object::instrumentLink);
        put(record, objectIndex, draws.below(2, 2)); // the chromatograph or the moisture meter
        break;
    case 2:
        put(record, objectByte, Object::flowComputerLink);
        put(record, objectIndex, 1 + draws.below(flowComputers, 2));
        break;
    default:
        put(record, objectByte, Object::otherPort);
        put(record, objectParameter, Object::upperLevelPortTable);
        break;
    }
}

void describeObject(QByteArray& record, int code, const RecordDraws& draws)
{
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case lastKnownCode:
    case laterFirmwareCode:
        break;
    case 4:
        put(record, objectByte, draws.below(reinitialisedObjects, 1));
        put(record, objectParameter, draws.below(reinitialisedObjects - 1, 2));
        break;
    case 10:
    case 11:
        describeLink(record, draws);
        break;
    case 22:
    case 23: {
        const bool chromatograph = draws.below(2, 1) == 0;
        put(record, objectByte, chromatograph ? Object::chromatographAlarm : Object::moistureMeterStatus);
        put(record, objectIndex, draws.below(chromatograph ? chromatographAlarmBits : moistureMeterStatusBits, 2));
        break;
    }
    case 40:
    case 41:
        put(record, objectByte,
            draws.below(2, 1) == 0 ? draws.pick(memoryObjects, 2) : draws.pick(configurationTables, 2));
        break;
    case 42:
    case 43:
        put(record, objectByte, draws.pick(configurationTables, 1));
        break;
    case 48:
    case 49:
        put(record, objectIndex, 1 + draws.below(flowComputers, 1));
        break;
    case 59: // the old and the new checksum of the firmware
        RecordBytes::putLong(record, currentValue, static_cast<std::uint32_t>(draws.bits(1)));
        RecordBytes::putLong(record, setPointValue, static_cast<std::uint32_t>(draws.bits(2)));
        break;
    default:
        put(record, objectByte, draws.pick(measuredTables, 1));
        put(record, objectIndex, draws.below(GasSlot::count, 2));
        break;
    }
}

} // namespace

DiagnosticRecords::DiagnosticRecords(const SeededNoise& noise)
    : noise_(noise), firstKind_(noise.below(eventKinds(), NoiseStream::logDetail, 0, logKey))
{
}

int DiagnosticRecords::eventKinds()
{
    return lastKnownCode + 2;
}

QByteArray DiagnosticRecords::record(std::uint32_t index, ClockMoment stamp, bool damaged) const
{
    const int code = codeOfKind(static_cast<int>((index + firstKind_) % eventKinds()));
    const RecordDraws draws(noise_, index);
    QByteArray record(size, '\0');
    RecordBytes::putStamp(record, 0, stamp, 6);
    put(record, codeByte, code);
    if (const Crossing* crossing = crossingOf(code))
        describeCrossing(record, *crossing, draws);
    else
        describeObject(record, code, draws);
    RecordBytes::seal(record, damaged);
    return record;
}

} // namespace SimHist
