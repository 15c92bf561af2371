#pragma once

#include "tables/gas_param_range.h"
#include "tables/table_editing.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <span>

class Operator;
class QLineEdit;

// One set-point table (22 to 26, by the mode) for the twenty gas parameters:
// each row's allowed range, value and unit. Accepted, the table holds the
// values of the rows the operator changed; refused or left, it is unchanged.
class TFormLimits : public QDialog {
    Q_OBJECT
public:
    TFormLimits(GasSetPoint setPoint, std::span<std::uint8_t> table, TableEditing editing, Operator& person,
                QWidget* parent = nullptr);

private:
    void store();

    GasSetPoint setPoint_;
    std::span<std::uint8_t> table_;
    Operator& person_;
    std::array<QLineEdit*, GasParameterCount> values_{};
};
