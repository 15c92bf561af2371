#pragma once

#include "base/input_problem.h"
#include "tables/user_record.h"

#include <QByteArrayView>

// The user table (table 4): 16 records of 22 bytes.
constexpr int userSlots = 16;
constexpr int userTableSize = userSlots * UserRecord::size;

UserRecord userAt(QByteArrayView table, int slot);

// A change of one user as typed in the access dialog.
struct UserChangeFields {
    std::uint8_t level = UserRecord::NoAccess;
    QString name;
    QString password;
    QString passwordAgain;
    QString code;
    QString codeAgain;
};

struct UserChangeOutcome {
    enum class Clear { Nothing, Passwords, Codes }; // fields the dialog empties after a refusal

    InputCheck problem;
    Clear clear = Clear::Nothing;
    UserRecord record; // what slot gets, when there is no problem
};

// The password and the code, each typed twice: the passwords must match, then
// the codes, and a code must be given. On success the outcome's record is
// `record` with that password (twelve blanks when none) and code.
UserChangeOutcome withPasswordAndCode(UserRecord record, const QString& password, const QString& passwordAgain,
                                      const QString& code, const QString& codeAgain);

// One row of the whole-table editor as typed: at "Нет доступа" the slot is free
// (name, password and code blank); otherwise the name and level change and the
// row keeps its password and code.
UserRecord editedRow(const UserRecord& row, std::uint8_t level, const QString& name);

// A user's name as the dialogs show it: trailing blanks dropped, empty for a free slot.
QString shownName(const UserRecord& user);

// The checks of changing one user of a working controller, in their order.
// Codes of other users are not compared: the controller checks them itself.
UserChangeOutcome checkUserChange(QByteArrayView table, int slot, const UserChangeFields& fields);

// The checks of a whole user table built anew (restoring or a configuration
// file): exactly one manufacturer, names and codes given, none shared.
InputCheck validateUserTable(QByteArrayView table);
