#pragma once

#include "tables/gas_param_range.h"
#include "tables/table_editing.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;

// Table 21: for each gas parameter whether the controller writes it into the
// flow computers. Accepted, the table holds the choices; otherwise it is unchanged.
class TFormPrzDistr : public QDialog {
    Q_OBJECT
public:
    TFormPrzDistr(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    std::array<QComboBox*, GasParameterCount> choices_{};
};
