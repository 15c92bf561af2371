#pragma once

#include "tables/table_editing.h"

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// The controller's port to the gas-flow computers (table 9): their number, the
// line, the mode of writing gas parameters into them and which flow computer
// and pipeline the gas temperature is read from.
class TFormConVich : public QDialog {
    Q_OBJECT
public:
    TFormConVich(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent = nullptr);

private:
    void countChanged();
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    QComboBox* count_;
    QComboBox* bitRate_;
    QComboBox* failedExchanges_;
    QComboBox* answerTimeout_;
    QLineEdit* preambles_;
    QComboBox* temperatureSource_;
    QComboBox* temperaturePipeline_;
    QButtonGroup* writeMode_;
};
