#pragma once

#include "settings/object_list.h"

#include <QDialog>

class Operator;
class QComboBox;
class QLineEdit;

// Editor of one metering object: its name and its controller's address. The
// object is written only when the checks pass and the operator accepts.
class TFormObject : public QDialog {
    Q_OBJECT
public:
    TFormObject(MeteringObject& object, Operator& person, QWidget* parent = nullptr);

private:
    void acceptFields();

    MeteringObject& object_;
    Operator& person_;
    QLineEdit* name_ = nullptr;
    QComboBox* address_ = nullptr;
};
