#include "tables/flow_computer_port.h"

#include "settings/bit_rate_codes.h"
#include "tables/port_choices.h"

using namespace PortChoice;

namespace {

// Bytes of table 9.
constexpr int Count = 0;
constexpr int BitRate = 1;
constexpr int FailedExchanges = 2;
constexpr int AnswerTimeout = 3;
constexpr int Preambles = 4;
constexpr int WriteMode = 5;
constexpr int TemperatureSource = 6;
constexpr int TemperaturePipeline = 7;
constexpr int TableLength = 8;

// The controller has room for 16 flow computers.
constexpr int MinCount = 1;
constexpr int MaxCount = 16;
constexpr int MinTimeout = 1;
constexpr int MaxTimeout = 255;
constexpr int WriteModes = 4;
constexpr int FirstPipeline = 1;
constexpr int Pipelines = 3;

// The count, when it is one the controller can hold; nothing else sizes a list.
std::optional<int> countOf(const QString& count)
{
    return typedNumber(count, MinCount, MaxCount);
}

bool allChosen(const FlowComputerPortFields& fields)
{
    return !blank(fields.count) && !blank(fields.preambles) && chosen(fields.bitRate, BitRateCodes::Count) &&
           chosen(fields.failedExchanges, FailedPollsCount) &&
           chosen(fields.answerTimeout, MaxTimeout - MinTimeout + 1) && chosen(fields.writeMode, WriteModes) &&
           fields.temperatureSource >= 0 && chosen(fields.temperaturePipeline, Pipelines);
}

} // namespace

QStringList flowComputerCountItems()
{
    return numberItems(MinCount, MaxCount);
}

QStringList flowComputerTimeoutItems()
{
    return numberItems(MinTimeout, MaxTimeout);
}

QStringList temperatureSourceItems(const QString& count)
{
    const std::optional<int> flowComputers = countOf(count);
    return flowComputers ? numberItems(0, *flowComputers - 1) : QStringList{};
}

QStringList temperaturePipelineItems()
{
    return numberItems(FirstPipeline, Pipelines);
}

QStringList flowComputerWriteModeItems()
{
    return {QStringLiteral("Не записывать"),
            QStringLiteral("Записывать средние за закончившийся час\nпри условии отклонения их от значений в ВРГ"),
            QStringLiteral("Записывать средние за закончившийся час\nзначения периодически безусловно"),
            QStringLiteral("Записывать средние за закончившиеся сутки\nзначения безусловно")};
}

FlowComputerPortFields flowComputerPortFields(QByteArrayView table)
{
    FlowComputerPortFields fields;
    if (table.size() < TableLength)
        return fields;
    fields.count = QString::number(storedByte(table, Count));
    fields.bitRate = bitRateItemOf(storedByte(table, BitRate));
    fields.failedExchanges = itemOf(storedByte(table, FailedExchanges), FailedPollsFirst, FailedPollsCount);
    fields.answerTimeout = itemOf(storedByte(table, AnswerTimeout), MinTimeout, MaxTimeout - MinTimeout + 1);
    fields.preambles = QString::number(storedByte(table, Preambles));
    fields.writeMode = itemOf(storedByte(table, WriteMode), 0, WriteModes);
    fields.temperatureSource =
        itemOf(storedByte(table, TemperatureSource), 0, temperatureSourceItems(fields.count).size());
    fields.temperaturePipeline = itemOf(storedByte(table, TemperaturePipeline), FirstPipeline, Pipelines);
    return fields;
}

InputCheck applyFlowComputerPort(const FlowComputerPortFields& fields, QByteArray& table)
{
    if (table.size() < TableLength || !allChosen(fields))
        return notAllEntered();
    const std::optional<int> count = countOf(fields.count);
    if (!count)
        return outsideRange(QStringLiteral("Количество вычислителей должно быть"), MinCount, MaxCount);
    // The source list holds the counted flow computers only.
    if (fields.temperatureSource >= *count)
        return notAllEntered();
    const std::optional<int> preambles = typedNumber(fields.preambles, 0, MaxPreambles);
    if (!preambles)
        return tooManyPreambles();
    table[Count] = static_cast<char>(*count);
    table[BitRate] = static_cast<char>(fields.bitRate);
    table[FailedExchanges] = static_cast<char>(FailedPollsFirst + fields.failedExchanges);
    table[AnswerTimeout] = static_cast<char>(MinTimeout + fields.answerTimeout);
    table[Preambles] = static_cast<char>(*preambles);
    table[WriteMode] = static_cast<char>(fields.writeMode);
    table[TemperatureSource] = static_cast<char>(fields.temperatureSource);
    table[TemperaturePipeline] = static_cast<char>(FirstPipeline + fields.temperaturePipeline);
    return std::nullopt;
}

bool flowComputerCountRaised(QByteArrayView asRead, QByteArrayView asAccepted)
{
    return !asRead.isEmpty() && !asAccepted.isEmpty() && storedByte(asAccepted, Count) > storedByte(asRead, Count);
}
