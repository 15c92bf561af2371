#pragma once

#include "tables/modbus_port.h"
#include "tables/table_editing.h"

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;

// A MODBUS port of the controller to an instrument (table 14 for the
// chromatograph, 15 for the moisture meter). The moisture meter's port shows
// neither the bit rate nor the parity.
class ModbusPortDialog : public QDialog {
    Q_OBJECT
public:
    ModbusPortDialog(ModbusInstrument instrument, std::span<std::uint8_t> table, TableEditing editing, Operator& person,
                     QWidget* parent);

private:
    void store();

    ModbusInstrument instrument_;
    std::span<std::uint8_t> table_;
    Operator& person_;
    QComboBox* address_;
    QComboBox* bitRate_ = nullptr;
    QComboBox* mode_;
    QComboBox* parity_ = nullptr;
    QComboBox* answerTimeout_;
    QComboBox* failedPolls_;
    QComboBox* model_;
};

class TFormConHGC : public ModbusPortDialog {
    Q_OBJECT
public:
    TFormConHGC(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);
};

class TFormConWMT : public ModbusPortDialog {
    Q_OBJECT
public:
    TFormConWMT(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);
};
