#include "dialog_widgets.h"
#include "forms/switch_group.h"
#include "forms/tformcontrname.h"
#include "forms/tformident.h"
#include "forms/tformsys.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

namespace {

// Summer from the last Sunday of March at 3:00, winter from the last Sunday of
// October at 4:00, contract hour 9, both instruments; byte 9 as a controller left it.
const QByteArray SystemParameters = QByteArray::fromHex("03c9030ac90409010155");

QComboBox* list(QWidget& dialog, const char* group, const char* name)
{
    return dialog.findChild<SwitchGroup*>(QLatin1String(group))->findChild<QComboBox*>(QLatin1String(name));
}

std::span<std::uint8_t> spanOf(QByteArray& bytes)
{
    return {reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}

} // namespace

TEST(SystemParametersDialog, ShowsTheGroupsAndStoresTheOperatorsChoice)
{
    ScriptedOperator person;
    QByteArray table = SystemParameters;
    TFormSys dialog(spanOf(table), TableEditing::Controller, person);
    dialog.show();
    EXPECT_EQ(list(dialog, "summer", "month")->currentText(), "Март");
    EXPECT_EQ(list(dialog, "winter", "hour")->currentText(), "4:00");
    EXPECT_TRUE(list(dialog, "summer", "week")->isVisible());
    EXPECT_FALSE(list(dialog, "summer", "day")->isVisible()) << "a weekday rule shows no day of the month";

    list(dialog, "summer", "week")->setCurrentIndex(3);  // "Предпоследний"
    list(dialog, "winter", "month")->setCurrentIndex(0); // "Переход запрещен"
    EXPECT_FALSE(list(dialog, "winter", "hour")->isVisible()) << "without a switch only the month shows";
    child<QComboBox>(dialog, "contractHour")->setCurrentIndex(10);
    ASSERT_TRUE(clickButton(dialog, "Записать в устройство"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table, QByteArray::fromHex("03ca0300c9040a010155"));
}

TEST(SystemParametersDialog, AnotherMonthOffersItsOwnDays)
{
    ScriptedOperator person;
    QByteArray table = QByteArray::fromHex("051f030a1f0409010100"); // the 31st of May, the 31st of October
    TFormSys dialog(spanOf(table), TableEditing::Configuration, person);
    dialog.show();
    QComboBox* day = list(dialog, "summer", "day");
    EXPECT_EQ(day->currentText(), "31");
    list(dialog, "summer", "month")->setCurrentIndex(3); // April
    EXPECT_EQ(day->count(), 30);
    EXPECT_EQ(day->currentIndex(), -1) << "April has no 31st";
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Введены не все параметры");
    EXPECT_EQ(table, QByteArray::fromHex("051f030a1f0409010100")) << "a refusal stores nothing";
    list(dialog, "summer", "month")->setCurrentIndex(4); // May again
    day->setCurrentIndex(29);
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table, QByteArray::fromHex("051e030a1f0409010100"));
}

TEST(SystemParametersDialog, CancelLeavesTheTable)
{
    ScriptedOperator person;
    QByteArray table = SystemParameters;
    TFormSys dialog(spanOf(table), TableEditing::Controller, person);
    child<QComboBox>(dialog, "contractHour")->setCurrentIndex(0);
    ASSERT_TRUE(clickButton(dialog, "Отменить"));
    EXPECT_EQ(table, SystemParameters);
}

TEST(IdentificationDialog, ADestroyedTableIsRedAndANewConfigurationGreysWhatItDoesNotKnow)
{
    QByteArray table = QByteArray::fromHex("09490304150d030e1e0001010000010203ff");
    TFormIdent dialog(table, false, nullptr);
    const auto values = dialog.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^value")));
    ASSERT_EQ(values.size(), 9);
    EXPECT_EQ(child<QLabel>(dialog, "value3")->text(), "03.**.21  14:30:00");
    EXPECT_EQ(child<QLabel>(dialog, "value5")->text(), "Разрушена таблица 9");
    EXPECT_TRUE(child<QLabel>(dialog, "value5")->styleSheet().contains("red"));

    TFormIdent created(table, true, nullptr);
    EXPECT_EQ(child<QLabel>(created, "value0")->text(), "73");
    EXPECT_EQ(child<QLabel>(created, "value2")->text(), "4");
    EXPECT_TRUE(child<QLabel>(created, "value3")->text().isEmpty());
}

TEST(NameDialog, TakesAtMostTwentyCharactersAndNamesItsButtonByWhereTheNameGoes)
{
    TFormContrName dialog(QStringLiteral("ГРС Северная"), TableEditing::Configuration);
    typeInto(dialog, "name", QStringLiteral("Газораспределительная станция 1"));
    EXPECT_EQ(dialog.name(), QStringLiteral("Газораспределительна"));
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(clickButton(dialog, "Записать в устройство"));
}
