#include "dialog_widgets.h"
#include "forms/tformaccess.h"
#include "forms/tformchangeaccess.h"
#include "forms/tformshortuspass.h"
#include "forms/tformuspass.h"
#include "support/scripted_operator.h"
#include "tables/operator_credentials.h"
#include "tables/user_access_rules.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

UserRecord user(const char* name, std::uint8_t level, const char* code)
{
    UserRecord record;
    record.setName(name);
    record.setLevel(level);
    record.setCode(code);
    return record;
}

// Slot 1 manufacturer, slot 2 the only administrator, slot 3 an operator.
QByteArray station()
{
    QByteArray table = user("ADJ", UserRecord::Manufacturer, "0001").bytes() +
                       user("ADM", UserRecord::Administrator, "0002").bytes() +
                       user("OPR", UserRecord::Operator, "0003").bytes();
    while (table.size() < userTableSize)
        table += UserRecord().bytes();
    return table;
}

std::span<std::uint8_t> bytesOf(QByteArray& table)
{
    return {reinterpret_cast<std::uint8_t*>(table.data()), static_cast<std::size_t>(table.size())};
}

TEST(OperatorIdentificationWindow, ACodeIsRequiredAndExitChangesNothing)
{
    ScriptedOperator person;
    OperatorCredentials credentials;
    credentials.code = "0007";
    {
        TFormShortUsPass dialog(credentials, person);
        EXPECT_EQ(dialog.windowTitle(), "Идентификация пользователя программы");
        EXPECT_EQ(child<QLineEdit>(dialog, "code")->echoMode(), QLineEdit::Password);
        typeInto(dialog, "password", "secret");
        clickButton(dialog, "Принять");
        ASSERT_EQ(person.messages().size(), 1);
        EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
        EXPECT_EQ(person.messages()[0].line1, "Не задан код идентификации пользователя");
        typeInto(dialog, "code", "12");
        clickButton(dialog, "Выход");
        EXPECT_EQ(credentials.code, "0007");
    }
    TFormShortUsPass dialog(credentials, person);
    typeInto(dialog, "code", "12");
    clickButton(dialog, "Принять");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(credentials.code, "12  ");
    EXPECT_EQ(credentials.password, QByteArray(12, ' '));
}

class ChangeAccessWindow : public ::testing::Test {
protected:
    void choose(TFormChangeAccess& dialog, int slot, int level, const QString& name = {})
    {
        child<QListWidget>(dialog, "slots")->setCurrentRow(slot);
        child<QComboBox>(dialog, "level")->setCurrentIndex(level);
        if (!name.isNull())
            typeInto(dialog, "name", name);
    }

    QByteArray table = station();
    const QByteArray original = station();
    ScriptedOperator person;
};

TEST_F(ChangeAccessWindow, ListsTheSlotsAndShowsTheChosenUser)
{
    TFormChangeAccess dialog(bytesOf(table), person);
    EXPECT_EQ(dialog.size(), QSize(676, 330));
    const QListWidget* list = child<QListWidget>(dialog, "slots");
    ASSERT_EQ(list->count(), 16);
    EXPECT_EQ(list->item(1)->text(), "ADM");
    EXPECT_EQ(list->item(3)->text(), "   --   ");
    typeInto(dialog, "password", "typed");
    child<QListWidget>(dialog, "slots")->setCurrentRow(2);
    EXPECT_EQ(child<QLineEdit>(dialog, "name")->text(), "OPR");
    EXPECT_EQ(child<QComboBox>(dialog, "level")->currentText(), "Оператор");
    EXPECT_TRUE(child<QLineEdit>(dialog, "password")->text().isEmpty()) << "choosing a user clears the secrets";
}

TEST_F(ChangeAccessWindow, RefusalsKeepTheTableAndTheDialogOpen)
{
    TFormChangeAccess dialog(bytesOf(table), person);
    choose(dialog, 1, UserRecord::Operator);
    clickButton(dialog, "Записать в устройство");
    choose(dialog, 2, UserRecord::Manufacturer);
    clickButton(dialog, "Записать в устройство");
    choose(dialog, 0, UserRecord::NoAccess);
    clickButton(dialog, "Записать в устройство");

    choose(dialog, 5, UserRecord::Engineer, "ENG");
    typeInto(dialog, "password", "one");
    typeInto(dialog, "passwordAgain", "two");
    typeInto(dialog, "code", "0009");
    typeInto(dialog, "codeAgain", "0009");
    clickButton(dialog, "Записать в устройство");
    EXPECT_TRUE(child<QLineEdit>(dialog, "password")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(dialog, "passwordAgain")->text().isEmpty());
    EXPECT_EQ(child<QLineEdit>(dialog, "code")->text(), "0009") << "only the mismatched pair is cleared";

    typeInto(dialog, "name", "OPR ");
    clickButton(dialog, "Записать в устройство");

    QStringList seen;
    for (const auto& message : person.messages())
        seen << message.line1 + " / " + message.line2;
    EXPECT_EQ(seen,
              (QStringList{"Вы не можете удалить единственного пользователя / с уровнем доступа \"Администратор\"",
                           "Может быть зарегистрирован / только один производитель-наладчик",
                           "Вы не можете удалить пользователя / с уровнем доступа \"Производитель-наладчик\"",
                           "Несовпадение введенных паролей / Повторите процесс сначала",
                           "Пользователи   3 и  6. / Совпадение имен пользователей"}));
    EXPECT_EQ(table, original);
    EXPECT_EQ(dialog.changedSlot(), -1);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ChangeAccessWindow, AnAcceptedChangeIsStoredInItsSlotWithoutComparingCodes)
{
    TFormChangeAccess dialog(bytesOf(table), person);
    choose(dialog, 5, UserRecord::Engineer, "ENG");
    typeInto(dialog, "code", "0001");
    typeInto(dialog, "codeAgain", "0001");
    clickButton(dialog, "Записать в устройство");
    EXPECT_TRUE(person.messages().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.changedSlot(), 5);
    EXPECT_EQ(userAt(table, 5).bytes(), QByteArray("ENG \x03\x00", 6) + QByteArray(12, ' ') + "0001");
    EXPECT_EQ(table.left(5 * UserRecord::size), original.left(5 * UserRecord::size));

    TFormChangeAccess deleting(bytesOf(table), person);
    choose(deleting, 2, UserRecord::NoAccess);
    clickButton(deleting, "Записать в устройство");
    EXPECT_EQ(deleting.changedSlot(), 2);
    EXPECT_EQ(userAt(table, 2).bytes(), UserRecord().bytes());
}

class AccessTableWindow : public ::testing::Test {
protected:
    QByteArray table = station();
    ScriptedOperator person;
};

TEST_F(AccessTableWindow, RowsShowTheTableAndThePasswordButtonFollowsTheLevel)
{
    table.replace(3 * UserRecord::size, UserRecord::size,
                  QByteArray("OLD ", 4) + QByteArray(2, '\0') + QByteArray(16, ' ')); // a free slot with a stale name
    TFormAccess dialog(bytesOf(table), "Записать в устройство", person);
    EXPECT_EQ(dialog.size(), QSize(432, 564));
    EXPECT_EQ(child<QLineEdit>(dialog, "name2")->text(), "ADM");
    EXPECT_EQ(child<QComboBox>(dialog, "level2")->currentText(), "Администратор");
    EXPECT_TRUE(child<QLineEdit>(dialog, "name4")->text().isEmpty());
    EXPECT_FALSE(child<QPushButton>(dialog, "secrets4")->isEnabled());
    child<QComboBox>(dialog, "level4")->setCurrentIndex(UserRecord::Engineer);
    EXPECT_TRUE(child<QPushButton>(dialog, "secrets4")->isEnabled());
    child<QComboBox>(dialog, "level2")->setCurrentIndex(UserRecord::NoAccess);
    EXPECT_FALSE(child<QPushButton>(dialog, "secrets2")->isEnabled());
    EXPECT_TRUE(clickButton(dialog, "Записать в устройство"));
}

TEST_F(AccessTableWindow, ASharedCodeIsRefusedUntilTheRowGetsItsOwn)
{
    const QByteArray original = table;
    TFormAccess dialog(bytesOf(table), "Принять", person);
    child<QComboBox>(dialog, "level4")->setCurrentIndex(UserRecord::Engineer);
    typeInto(dialog, "name4", "ENG");

    // The row's password and code are entered in their own dialog.
    const auto enterSecrets = [](const QString& code) {
        QTimer::singleShot(0, [code] {
            auto* secrets = qobject_cast<TFormUsPass*>(QApplication::activeModalWidget());
            ASSERT_NE(secrets, nullptr);
            typeInto(*secrets, "code", code);
            typeInto(*secrets, "codeAgain", code);
            clickButton(*secrets, "Принять");
        });
    };
    enterSecrets("0001");
    child<QPushButton>(dialog, "secrets4")->click();
    clickButton(dialog, "Принять");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Пользователи   1 и 4.");
    EXPECT_EQ(person.messages()[0].line2, "Совпадение кодов идентификации пользователя");
    EXPECT_EQ(table, original);

    enterSecrets("0004");
    child<QPushButton>(dialog, "secrets4")->click();
    child<QComboBox>(dialog, "level3")->setCurrentIndex(UserRecord::NoAccess);
    clickButton(dialog, "Принять");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(userAt(table, 3).bytes(), QByteArray("ENG \x03\x00", 6) + QByteArray(12, ' ') + "0004");
    EXPECT_EQ(userAt(table, 2).bytes(), UserRecord().bytes()) << "a row at \"Нет доступа\" becomes a free slot";
}

TEST(RowSecretsWindow, ChecksBothPairsAndACode)
{
    ScriptedOperator person;
    UserRecord row = user("ENG", UserRecord::Engineer, "0005");
    const UserRecord before = row;
    TFormUsPass dialog(row, person);
    typeInto(dialog, "password", "pass");
    typeInto(dialog, "passwordAgain", "pass");
    typeInto(dialog, "code", "1");
    typeInto(dialog, "codeAgain", "2");
    clickButton(dialog, "Принять");
    EXPECT_TRUE(child<QLineEdit>(dialog, "codeAgain")->text().isEmpty());
    typeInto(dialog, "code", "");
    clickButton(dialog, "Принять");
    ASSERT_EQ(person.messages().size(), 2);
    EXPECT_EQ(person.messages()[0].line1, "Несовпадение введенных кодов");
    EXPECT_EQ(person.messages()[1].line1, "Не задан код идентификации пользователя");
    EXPECT_EQ(row.bytes(), before.bytes());

    typeInto(dialog, "code", "77");
    typeInto(dialog, "codeAgain", "77");
    clickButton(dialog, "Принять");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(row.password(), "pass        ");
    EXPECT_EQ(row.code(), "77  ");
}

} // namespace
