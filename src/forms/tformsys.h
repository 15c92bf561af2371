#pragma once

#include "tables/table_editing.h"

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QCheckBox;
class QComboBox;
class SwitchGroup;

// The system parameters (table 6): the summer and winter time switches, the
// contract hour and the instruments connected. Accepted, it stores bytes 0 to 8
// into `table`; refused or left, `table` keeps its bytes.
class TFormSys : public QDialog {
    Q_OBJECT
public:
    TFormSys(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    QComboBox* contractHour_;
    QCheckBox* moistureMeter_;
    SwitchGroup* summer_;
    SwitchGroup* winter_;
};
