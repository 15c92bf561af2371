#pragma once

#include "tables/table_editing.h"

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;

// Table 28: the period with which the hourly means of the gas parameters are
// written into the flow computers. Accepted, the table holds the chosen period.
class TFormDistr : public QDialog {
    Q_OBJECT
public:
    TFormDistr(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    QComboBox* period_;
};
