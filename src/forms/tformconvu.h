#pragma once

#include "tables/table_editing.h"

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;
class QLineEdit;

// The controller's port to the PC or an upper-level system (table 3): address,
// bit rate (offered only when the rate may change) and the preambles the
// controller sends before an answer.
class TFormConVU : public QDialog {
    Q_OBJECT
public:
    TFormConVU(std::span<std::uint8_t> table, bool rateEditable, TableEditing editing, Operator& person,
               QWidget* parent = nullptr);

private:
    void store();

    std::span<std::uint8_t> table_;
    bool rateEditable_;
    Operator& person_;
    QLineEdit* address_;
    QComboBox* bitRate_;
    QLineEdit* preambles_;
};
