#include "tables/modbus_port.h"
#include "tables/port_choices.h"

#include <gtest/gtest.h>

namespace {

// New configurations: address 1, 9600 bit/s, ASCII, no parity, 1.5 s, 5 failed polls.
const QByteArray NewChromatograph = QByteArray::fromHex("010b000096050200");
const QByteArray NewMoistureMeter = QByteArray::fromHex("010b000096050000");

constexpr auto Chromatograph = ModbusInstrument::Chromatograph;
constexpr auto MoistureMeter = ModbusInstrument::MoistureMeter;

InputCheck refusal(ModbusInstrument instrument, const ModbusPortFields& fields, const QByteArray& original)
{
    QByteArray table = original;
    const InputCheck problem = applyModbusPort(instrument, fields, table);
    EXPECT_EQ(table, original) << "nothing stored";
    return problem;
}

} // namespace

TEST(ModbusPort, TheChromatographsChoicesStoreEveryByte)
{
    ModbusPortFields fields = modbusPortFields(Chromatograph, NewChromatograph);
    EXPECT_EQ(fields, (ModbusPortFields{"1", 11, 0, 0, "150", 4, 0}));
    EXPECT_EQ(instrumentModelItems(Chromatograph), QStringList{"Хроматограф модели 2"});
    EXPECT_EQ(modbusModeItems(), (QStringList{" ASCII", " RTU"}));

    fields = {"247", 21, 1, 2, "255", 9, 0};
    QByteArray table = NewChromatograph;
    table[7] = 9;
    EXPECT_EQ(applyModbusPort(Chromatograph, fields, table), std::nullopt);
    EXPECT_EQ(table, QByteArray::fromHex("f7150102ff0a0200"));
    EXPECT_EQ(chromatographParityItems()[2], " Четный бит четности");
}

TEST(ModbusPort, TheMoistureMeterKeepsItsRateAndClearsTheParity)
{
    QByteArray table = QByteArray::fromHex("0a1301020a030101");
    ModbusPortFields fields = modbusPortFields(MoistureMeter, table);
    EXPECT_EQ(fields.model, 1);
    fields.bitRate = 0;
    fields.parity = 1; // not shown for the moisture meter
    fields.model = 2;
    fields.answerTimeout = "5";
    EXPECT_EQ(applyModbusPort(MoistureMeter, fields, table), std::nullopt);
    EXPECT_EQ(table, QByteArray::fromHex("0a13010005030200"));
    EXPECT_EQ(instrumentModelItems(MoistureMeter).size(), 3);
}

TEST(ModbusPort, AddressAndTimeOutAreCheckedAfterEveryChoice)
{
    const ModbusPortFields valid = modbusPortFields(Chromatograph, NewChromatograph);
    const InputProblem address{"Адрес должен быть", "в диапазоне 1...247"};
    const InputProblem timeout{"Таймаут должен быть", "в диапазоне 5...255"};
    ModbusPortFields fields = valid;
    fields.address = "248";
    EXPECT_EQ(refusal(Chromatograph, fields, NewChromatograph), address);
    fields.answerTimeout = "4";
    EXPECT_EQ(refusal(Chromatograph, fields, NewChromatograph), address) << "the address comes first";
    fields.parity = -1;
    EXPECT_EQ(refusal(Chromatograph, fields, NewChromatograph), PortChoice::notAllEntered());
    fields = valid;
    fields.address = "7"; // valid, yet not stored
    fields.answerTimeout = "256";
    EXPECT_EQ(refusal(Chromatograph, fields, NewChromatograph), timeout);

    fields = modbusPortFields(MoistureMeter, NewMoistureMeter);
    fields.address = "0";
    EXPECT_EQ(refusal(MoistureMeter, fields, NewMoistureMeter), address);
    fields.address = "1";
    fields.answerTimeout = "4";
    EXPECT_EQ(refusal(MoistureMeter, fields, NewMoistureMeter), timeout);
    fields.answerTimeout = "";
    EXPECT_EQ(refusal(MoistureMeter, fields, NewMoistureMeter), PortChoice::notAllEntered());
}

TEST(ModbusPort, StoredBytesPastTheListsShowNoSelection)
{
    // Rate code 22, mode 2, parity 3, 11 failed polls, chromatograph model 3.
    const ModbusPortFields chromatograph = modbusPortFields(Chromatograph, QByteArray::fromHex("01160203960b0300"));
    EXPECT_EQ(chromatograph, (ModbusPortFields{"1", -1, -1, -1, "150", -1, -1}));
    EXPECT_EQ(modbusPortFields(MoistureMeter, QByteArray::fromHex("010b000096000300")).model, -1);
    EXPECT_EQ(modbusPortFields(MoistureMeter, QByteArray::fromHex("010b000096000300")).failedPolls, -1);
}
