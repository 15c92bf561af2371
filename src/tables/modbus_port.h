#pragma once

#include "base/input_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Tables 14 and 15, the controller's MODBUS ports to the chromatograph and to
// the moisture meter, as TFormConHGC and TFormConWMT show them. The two tables
// share one layout; the moisture meter's dialog shows neither the bit rate nor
// the parity, and their fields are ignored for it.
enum class ModbusInstrument { Chromatograph, MoistureMeter };

struct ModbusPortFields {
    QString address;       // a list of 1 to 247 that also takes a typed number
    int bitRate = -1;      // into bitRateItems(), so the code itself
    int mode = -1;         // into modbusModeItems()
    int parity = -1;       // into chromatographParityItems()
    QString answerTimeout; // hundredths of a second, a list of 5 to 255 that also takes a typed number
    int failedPolls = -1;  // into failedPollItems()
    int model = -1;        // into instrumentModelItems()

    bool operator==(const ModbusPortFields&) const = default;
};

QStringList modbusAddressItems();
QStringList modbusModeItems();
QStringList chromatographParityItems();
QStringList modbusTimeoutItems();
// The chromatograph offers its one supported model, the moisture meter three.
QStringList instrumentModelItems(ModbusInstrument instrument);

ModbusPortFields modbusPortFields(ModbusInstrument instrument, QByteArrayView table);

// Checks in the dialog's order: every field filled ("Введены не все параметры"),
// the address, the answer time-out. Only when all pass are the eight bytes
// stored: the chromatograph's model byte is always 2; the moisture meter's
// parity byte is 0 and its bit-rate byte kept; the last byte is 0.
InputCheck applyModbusPort(ModbusInstrument instrument, const ModbusPortFields& fields, QByteArray& table);
