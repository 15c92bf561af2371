#include "tables/operator_credentials.h"
#include "tables/user_access_rules.h"

#include <gtest/gtest.h>

namespace {

UserRecord user(const char* name, std::uint8_t level, const char* code, const char* password = "")
{
    UserRecord record;
    record.setName(name);
    record.setLevel(level);
    record.setCode(code);
    record.setPassword(password);
    return record;
}

// Slot 1 manufacturer, slot 2 administrator, slot 3 operator; the rest free.
QByteArray station()
{
    QByteArray table;
    table += user("ADJ", UserRecord::Manufacturer, "0001").bytes();
    table += user("ADM", UserRecord::Administrator, "0002").bytes();
    table += user("OPR", UserRecord::Operator, "0003").bytes();
    while (table.size() < userTableSize)
        table += UserRecord().bytes();
    return table;
}

UserChangeFields change(std::uint8_t level, const char* name, const char* code = "1234", const char* password = "")
{
    return {level, name, password, password, code, code};
}

TEST(UserChange, TheOnlyAdministratorCannotBeDemotedUnlessThereIsASecond)
{
    QByteArray table = station();
    const UserChangeOutcome refused = checkUserChange(table, 1, change(UserRecord::Operator, "ADM"));
    EXPECT_EQ(refused.problem,
              (InputProblem{"Вы не можете удалить единственного пользователя", "с уровнем доступа \"Администратор\""}));
    table.replace(2 * UserRecord::size, UserRecord::size, user("AD2", UserRecord::Administrator, "0009").bytes());
    EXPECT_FALSE(checkUserChange(table, 1, change(UserRecord::Operator, "ADM")).problem);
}

TEST(UserChange, OnlyOneManufacturerAndItStays)
{
    const QByteArray table = station();
    EXPECT_EQ(checkUserChange(table, 2, change(UserRecord::Manufacturer, "OPR")).problem,
              (InputProblem{"Может быть зарегистрирован", "только один производитель-наладчик"}));
    EXPECT_EQ(checkUserChange(table, 0, change(UserRecord::NoAccess, "ADJ")).problem,
              (InputProblem{"Вы не можете удалить пользователя", "с уровнем доступа \"Производитель-наладчик\""}));
}

TEST(UserChange, DeletingClearsTheSlotAndAnEmptyPasswordIsTwelveBlanks)
{
    const QByteArray table = station();
    const UserChangeOutcome deleted = checkUserChange(table, 2, change(UserRecord::NoAccess, "OPR"));
    ASSERT_FALSE(deleted.problem);
    EXPECT_EQ(deleted.record.bytes(), UserRecord().bytes());
    EXPECT_EQ(deleted.record.bytes(), QByteArray(4, ' ') + QByteArray(2, '\0') + QByteArray(16, ' '));

    const UserChangeOutcome added = checkUserChange(table, 5, change(UserRecord::Engineer, "ENG", "77"));
    ASSERT_FALSE(added.problem);
    EXPECT_EQ(added.record.bytes(), QByteArray("ENG \x03\x00", 6) + QByteArray(12, ' ') + "77  ");
}

TEST(UserChange, ChecksInOrderAndNamesCompareBlankPadded)
{
    const QByteArray table = station();
    UserChangeFields fields = change(UserRecord::Engineer, "OPR ");
    fields.passwordAgain = "other";
    UserChangeOutcome outcome = checkUserChange(table, 5, fields);
    EXPECT_EQ(outcome.problem, (InputProblem{"Несовпадение введенных паролей", "Повторите процесс сначала"}));
    EXPECT_EQ(outcome.clear, UserChangeOutcome::Clear::Passwords);

    fields.passwordAgain = fields.password;
    fields.code = "";
    fields.codeAgain = "";
    EXPECT_EQ(checkUserChange(table, 5, fields).problem, (InputProblem{"Не задан код идентификации пользователя", ""}));

    fields = change(UserRecord::Engineer, "");
    EXPECT_EQ(checkUserChange(table, 5, fields).problem,
              (InputProblem{"Номер пользователя в таблице - 6.", "Не задано имя пользователя"}));

    // "OPR " typed with a trailing blank is the operator's name; codes are not compared here.
    outcome = checkUserChange(table, 5, change(UserRecord::Engineer, "OPR ", "0003"));
    EXPECT_EQ(outcome.problem, (InputProblem{"Пользователи   3 и  6.", "Совпадение имен пользователей"}));
    EXPECT_FALSE(checkUserChange(table, 5, change(UserRecord::Engineer, "ENG", "0003")).problem);
}

TEST(UserTable, AWholeTableIsCheckedForOneManufacturerAndDistinctNamesAndCodes)
{
    QByteArray table = station();
    EXPECT_FALSE(validateUserTable(table));

    table.replace(3 * UserRecord::size, UserRecord::size, user("ENG", UserRecord::Engineer, "0001").bytes());
    EXPECT_EQ(validateUserTable(table),
              (InputProblem{"Пользователи   1 и 4.", "Совпадение кодов идентификации пользователя"}));

    table.replace(3 * UserRecord::size, UserRecord::size, user("ENG", UserRecord::Engineer, "    ").bytes());
    EXPECT_EQ(validateUserTable(table),
              (InputProblem{"Номер пользователя в таблице: 4.", "Не задан код идентификации пользователя"}));

    table = station();
    table.replace(0, UserRecord::size, UserRecord().bytes());
    EXPECT_EQ(validateUserTable(table),
              (InputProblem{"В списке зарегистрированных пользователей", "не зарегистрирован производитель-наладчик"}));
}

} // namespace

namespace {

TEST(OperatorCredentials, ACodeIsRequiredAndAnEmptyPasswordIsTwelveBlanks)
{
    OperatorCredentials credentials;
    credentials.code = "0007";
    EXPECT_EQ(applyOperatorCredentials("", "secret", credentials),
              (InputProblem{"Не задан код идентификации пользователя", ""}));
    EXPECT_EQ(credentials.code, "0007") << "a refusal changes nothing";
    EXPECT_FALSE(applyOperatorCredentials("12", "", credentials));
    EXPECT_EQ(credentials.code, "12  ");
    EXPECT_EQ(credentials.password, QByteArray(12, ' '));
    EXPECT_FALSE(applyOperatorCredentials("12345", "a-very-long-password", credentials));
    EXPECT_EQ(credentials.code, "1234");
    EXPECT_EQ(credentials.password, "a-very-long-");
}

} // namespace

namespace {

TEST(UserTableRow, PasswordAndCodeAreTypedTwiceAndAFreeRowIsBlank)
{
    UserRecord row = user("ENG", UserRecord::Engineer, "0005", "old");
    EXPECT_EQ(withPasswordAndCode(row, "a", "b", "0007", "0007").clear, UserChangeOutcome::Clear::Passwords);
    EXPECT_EQ(withPasswordAndCode(row, "a", "a", "0007", "0008").clear, UserChangeOutcome::Clear::Codes);
    const UserChangeOutcome entered = withPasswordAndCode(row, "", "", "0007", "0007");
    ASSERT_FALSE(entered.problem);
    EXPECT_EQ(entered.record.password(), QByteArray(12, ' '));
    EXPECT_EQ(entered.record.code(), "0007");
    EXPECT_EQ(entered.record.name(), "ENG ");

    EXPECT_EQ(editedRow(entered.record, UserRecord::NoAccess, "ENG").bytes(), UserRecord().bytes());
    const UserRecord renamed = editedRow(entered.record, UserRecord::Operator, "OP");
    EXPECT_EQ(renamed.name(), "OP  ");
    EXPECT_EQ(renamed.level(), UserRecord::Operator);
    EXPECT_EQ(renamed.code(), "0007");
}

} // namespace
