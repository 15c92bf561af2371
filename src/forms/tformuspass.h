#pragma once

#include <QDialog>

class Operator;
class UserRecord;
class UserSecretFields;

// The password and identification code of one row of the whole user table.
// "Принять" stores them into the row once both are confirmed and a code is given.
class TFormUsPass : public QDialog {
    Q_OBJECT
public:
    TFormUsPass(UserRecord& row, Operator& person, QWidget* parent = nullptr);

private:
    void store();

    UserRecord& row_;
    Operator& person_;
    UserSecretFields* fields_ = nullptr;
};
