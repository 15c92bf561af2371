#include "dialog_widgets.h"
#include "forms/tformfloulist.h"
#include "forms/tformfloupar.h"
#include "support/flow_computer_records.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

QString cell(QDialog& list, int row, int column)
{
    return child<QTableWidget>(list, "grid")->item(row, column)->text();
}

} // namespace

TEST(FlowComputerDialog, TheTypeDecidesThePipelinesOffered)
{
    ScriptedOperator person;
    FlowComputer record = blankPasswordComputer(4, 1, 0x01);
    TFormFlouPar dialog(record, 1, person);
    EXPECT_FALSE(child<QCheckBox>(dialog, "pipeline2")->isEnabled());
    child<QComboBox>(dialog, "type")->setCurrentIndex(2);
    EXPECT_TRUE(child<QCheckBox>(dialog, "pipeline3")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(dialog, "pipeline3")->isChecked()) << "ticked from the record's mask";
    child<QCheckBox>(dialog, "pipeline3")->setChecked(true);
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(record.pipelines, 0x05);
    EXPECT_EQ(record.type, 2);
}

TEST(FlowComputerDialog, TheSplitFormShowsTheSameSixteenBytes)
{
    ScriptedOperator person;
    FlowComputer record = blankPasswordComputer(4);
    TFormFlouPar dialog(record, 1, person);
    typeInto(dialog, "password", "ABCDEFGHIJKLMN");
    child<QCheckBox>(dialog, "split")->setChecked(true);
    EXPECT_EQ(child<QLineEdit>(dialog, "password")->text(), "ABCDEFGHIJKL");
    EXPECT_EQ(child<QLineEdit>(dialog, "code")->text(), "MN");
    typeInto(dialog, "code", "0007");
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record.password.data()), 16), "ABCDEFGHIJKL0007");
}

TEST(FlowComputerDialog, AnAddressOutsideTheRangeIsRefusedAndNothingStored)
{
    ScriptedOperator person;
    FlowComputer record = blankPasswordComputer(4);
    TFormFlouPar dialog(record, 1, person);
    child<QComboBox>(dialog, "address")->setCurrentText("255");
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Адрес вне допускаемого диапазона");
    EXPECT_EQ(record.address, 4);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(FlowComputerListDialog, ARepeatedAddressIsRefusedAndTheListKeptAsItWas)
{
    ScriptedOperator person;
    FlowComputerList list({blankPasswordComputer(5), blankPasswordComputer(7), blankPasswordComputer(5)});
    TFormFlouList dialog(list, TableEditing::Controller, person);
    EXPECT_EQ(cell(dialog, 2, 0), "5");
    EXPECT_EQ(cell(dialog, 0, 3), "0x07");
    ASSERT_TRUE(clickButton(dialog, "Записать в устройство"));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Повтор адреса 5");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(FlowComputerListDialog, AnAddedAndAChangedRowReachTheListOnlyWhenAccepted)
{
    ScriptedOperator person;
    FlowComputerList list({blankPasswordComputer(5), blankPasswordComputer(7)});
    TFormFlouList dialog(list, TableEditing::Configuration, person);
    whenOpen<TFormFlouPar>([](TFormFlouPar& added) {
        child<QComboBox>(added, "address")->setCurrentText("9");
        child<QComboBox>(added, "type")->setCurrentIndex(0);
        child<QComboBox>(added, "byteOrder")->setCurrentIndex(1);
        typeInto(added, "password", "NEW");
        clickButton(added, "Принять");
    });
    ASSERT_TRUE(clickButton(dialog, "Добавить"));
    EXPECT_EQ(cell(dialog, 2, 0), "9");
    EXPECT_EQ(list.computers().size(), 2U) << "nothing reaches the list before it is accepted";

    whenOpen<TFormFlouPar>([](TFormFlouPar& changed) { clickButton(changed, "Отменить"); });
    child<QTableWidget>(dialog, "grid")->selectRow(1);
    ASSERT_TRUE(clickButton(dialog, "Изменить"));
    person.answerYes();
    ASSERT_TRUE(clickButton(dialog, "Удалить"));
    EXPECT_EQ(person.messages().last().line2, "вычислитель адр. 7?");
    ASSERT_TRUE(clickButton(dialog, "Принять"));
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(list.computers().size(), 2U);
    EXPECT_EQ(list.computers()[1].address, 9);
    EXPECT_TRUE(list.passwordChanged(1)) << "the added flow computer's flag moved up with it";
    EXPECT_FALSE(list.passwordChanged(0));
}

TEST(FlowComputerListDialog, AnEmptyListStartsWithOneEmptyRowAndSixteenRowsTakeNoMore)
{
    ScriptedOperator person;
    FlowComputerList none({});
    TFormFlouList empty(none, TableEditing::Controller, person);
    EXPECT_EQ(child<QTableWidget>(empty, "grid")->rowCount(), 1);

    FlowComputerList full(std::vector<FlowComputer>(16, blankPasswordComputer(3)));
    TFormFlouList dialog(full, TableEditing::Controller, person);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == "Добавить") {
            EXPECT_FALSE(button->isEnabled());
        }
    }
}
