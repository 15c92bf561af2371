#pragma once

#include "tables/flow_computers.h"

#include <QDialog>
#include <array>

class Operator;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// One flow computer: address, type, byte order, the pipelines gas parameters
// are written for, and the write password, whole or as a password and a code
// ("SOU"). Accepted, the record holds what was entered.
class TFormFlouPar : public QDialog {
    Q_OBJECT
public:
    TFormFlouPar(FlowComputer& computer, int number, Operator& person, QWidget* parent = nullptr);

private:
    void typeChosen();
    void showPasswordForm();
    void store();

    FlowComputer& computer_;
    Operator& person_;
    QComboBox* address_;
    QComboBox* type_;
    QComboBox* byteOrder_;
    std::array<QCheckBox*, FlowComputers::Pipelines> pipelines_{};
    QCheckBox* split_;
    QLabel* passwordLabel_;
    QLineEdit* password_;
    QLabel* codeLabel_;
    QLineEdit* code_;
    bool shownSplit_ = false; // the form the password fields show now
};
