#pragma once

#include "tables/user_access_rules.h"

#include <QWidget>

class QLineEdit;

// The frames " Пароль на запись " and " Код идентификации  пользователя " of the
// user dialogs: password and code, each typed twice, masked.
class UserSecretFields : public QWidget {
    Q_OBJECT
public:
    explicit UserSecretFields(QWidget* parent = nullptr);

    // The check of the four fields; on success `row` with that password and code.
    UserChangeOutcome enteredInto(const UserRecord& row) const;
    // Copies the four fields into a change of one user.
    void copyInto(UserChangeFields& fields) const;

    void clearAll();
    // Empties the pair a refusal names and puts the focus on its first field.
    void clear(UserChangeOutcome::Clear which);

private:
    QLineEdit* password_ = nullptr;
    QLineEdit* passwordAgain_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* codeAgain_ = nullptr;
};
