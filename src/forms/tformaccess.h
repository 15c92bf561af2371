#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <cstdint>
#include <span>

class Operator;
class QComboBox;
class QLineEdit;
class QPushButton;

// Builds the whole user table (table 4, 16 records of 22 bytes) when it is
// restored or edited in a configuration. Works on a copy; the accept button
// (its text given by the caller) checks the whole table and copies it back.
class TFormAccess : public QDialog {
    Q_OBJECT
public:
    TFormAccess(std::span<std::uint8_t> userTable, const QString& acceptText, Operator& person,
                QWidget* parent = nullptr);

private:
    struct Row {
        QLineEdit* name = nullptr;
        QComboBox* level = nullptr;
        QPushButton* secrets = nullptr;
    };

    void editSecrets(int slot);
    QByteArray editedTable() const;
    void store();

    std::span<std::uint8_t> table_;
    QByteArray copy_;
    Operator& person_;
    QList<Row> rows_;
};
