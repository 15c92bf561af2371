#include "tables/modbus_port.h"

#include "base/common_texts.h"
#include "settings/bit_rate_codes.h"
#include "tables/port_choices.h"

using namespace PortChoice;

namespace {

// Bytes of tables 14 and 15.
constexpr int Address = 0;
constexpr int BitRate = 1;
constexpr int Mode = 2;
constexpr int Parity = 3;
constexpr int AnswerTimeout = 4;
constexpr int FailedPolls = 5;
constexpr int Model = 6;
constexpr int Reserved = 7;
constexpr int TableLength = 8;

constexpr int MinAddress = 1;
constexpr int MaxAddress = 247; // the highest MODBUS slave address
constexpr int MinTimeout = 5;
constexpr int MaxTimeout = 255;
constexpr int Modes = 2;
constexpr int Parities = 3; // none, odd, even
constexpr int MoistureMeterModels = 3;
// The only chromatograph model the controller polls.
constexpr int ChromatographModel = 2;

bool isChromatograph(ModbusInstrument instrument)
{
    return instrument == ModbusInstrument::Chromatograph;
}

// The model byte's first value and how many the list offers.
int firstModel(ModbusInstrument instrument)
{
    return isChromatograph(instrument) ? ChromatographModel : 0;
}

int modelCount(ModbusInstrument instrument)
{
    return isChromatograph(instrument) ? 1 : MoistureMeterModels;
}

bool allChosen(ModbusInstrument instrument, const ModbusPortFields& fields)
{
    const bool chromatographOnly = !isChromatograph(instrument) ||
                                   (chosen(fields.bitRate, BitRateCodes::Count) && chosen(fields.parity, Parities));
    return !blank(fields.address) && !blank(fields.answerTimeout) && chosen(fields.mode, Modes) &&
           chosen(fields.failedPolls, FailedPollsCount) && chosen(fields.model, modelCount(instrument)) &&
           chromatographOnly;
}

} // namespace

QStringList modbusAddressItems()
{
    return numberItems(MinAddress, MaxAddress);
}

QStringList modbusModeItems()
{
    return {commonText(CommonTextBase::ModbusModes), commonText(CommonTextBase::ModbusModes + 1)};
}

QStringList chromatographParityItems()
{
    return {QStringLiteral(" Бит четн. отсутствует"), QStringLiteral(" Нечетный бит четности"),
            QStringLiteral(" Четный бит четности")};
}

QStringList modbusTimeoutItems()
{
    return numberItems(MinTimeout, MaxTimeout);
}

QStringList instrumentModelItems(ModbusInstrument instrument)
{
    const int first = isChromatograph(instrument) ? CommonTextBase::ChromatographModels + ChromatographModel
                                                  : CommonTextBase::MoistureMeterModels;
    QStringList items;
    for (int i = 0; i < modelCount(instrument); ++i)
        items.append(commonText(first + i));
    return items;
}

ModbusPortFields modbusPortFields(ModbusInstrument instrument, QByteArrayView table)
{
    ModbusPortFields fields;
    if (table.size() < TableLength)
        return fields;
    fields.address = QString::number(storedByte(table, Address));
    fields.mode = itemOf(storedByte(table, Mode), 0, Modes);
    fields.answerTimeout = QString::number(storedByte(table, AnswerTimeout));
    fields.failedPolls = itemOf(storedByte(table, FailedPolls), FailedPollsFirst, FailedPollsCount);
    fields.model = itemOf(storedByte(table, Model), firstModel(instrument), modelCount(instrument));
    if (isChromatograph(instrument)) {
        fields.bitRate = bitRateItemOf(storedByte(table, BitRate));
        fields.parity = itemOf(storedByte(table, Parity), 0, Parities);
    }
    return fields;
}

InputCheck applyModbusPort(ModbusInstrument instrument, const ModbusPortFields& fields, QByteArray& table)
{
    if (table.size() < TableLength || !allChosen(instrument, fields))
        return notAllEntered();
    const std::optional<int> address = typedNumber(fields.address, MinAddress, MaxAddress);
    if (!address)
        return outsideRange(QStringLiteral("Адрес должен быть"), MinAddress, MaxAddress);
    const std::optional<int> timeout = typedNumber(fields.answerTimeout, MinTimeout, MaxTimeout);
    if (!timeout)
        return outsideRange(QStringLiteral("Таймаут должен быть"), MinTimeout, MaxTimeout);
    table[Address] = static_cast<char>(*address);
    if (isChromatograph(instrument))
        table[BitRate] = static_cast<char>(fields.bitRate);
    table[Mode] = static_cast<char>(fields.mode);
    table[Parity] = static_cast<char>(isChromatograph(instrument) ? fields.parity : 0);
    table[AnswerTimeout] = static_cast<char>(*timeout);
    table[FailedPolls] = static_cast<char>(FailedPollsFirst + fields.failedPolls);
    table[Model] = static_cast<char>(firstModel(instrument) + fields.model);
    table[Reserved] = 0;
    return std::nullopt;
}
