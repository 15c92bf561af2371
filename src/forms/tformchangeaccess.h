#pragma once

#include <QDialog>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;
class QLineEdit;
class QListWidget;
class UserSecretFields;

// Changes one user of a working controller in the user table (table 4, 16
// records of 22 bytes) given to it. "Записать в устройство" stores the checked
// record into its slot and closes accepted; the caller then writes that one field.
class TFormChangeAccess : public QDialog {
    Q_OBJECT
public:
    TFormChangeAccess(std::span<std::uint8_t> userTable, Operator& person, QWidget* parent = nullptr);

    // The slot (0 to 15) stored by an accepted dialog; -1 while none is.
    int changedSlot() const { return changedSlot_; }

private:
    void showSlot(int slot);
    void store();

    std::span<std::uint8_t> table_;
    Operator& person_;
    int changedSlot_ = -1;
    QListWidget* slots_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* level_ = nullptr;
    UserSecretFields* secrets_ = nullptr;
};
