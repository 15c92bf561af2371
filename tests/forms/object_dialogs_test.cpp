#include "base/windows1251.h"
#include "forms/dialog_widgets.h"
#include "forms/spreadsheet_report_dialogs.h"
#include "forms/tformexcrep_date.h"
#include "forms/tformobject.h"
#include "forms/tformobjects_list.h"
#include "support/failing_saves.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

const ArchiveBounds archive{{24, 1, 15}, {24, 3, 10}};

QPushButton* button(QWidget& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

class ObjectDialogs : public ::testing::Test {
protected:
    QString listFile() const { return dir.file("objects.ini"); }

    TempWorkdir dir;
    ObjectList list;
    ScriptedOperator person;
};

TEST_F(ObjectDialogs, ANewObjectChosenInTheDateDialogIsAddedSelectedAndSavedAtOnce)
{
    list.objects = {{"Бета", 2}};
    TFormExcRep_Date dialog(SpreadsheetReportKind::Day, archive, list, listFile(), person);
    EXPECT_EQ(dialog.windowTitle(), " Параметры отчета за сутки");
    auto* object = child<QComboBox>(dialog, "object");
    ASSERT_EQ(object->count(), 2);
    EXPECT_EQ(object->itemText(1), "Новый объект");

    whenOpen<TFormObject>([](TFormObject& editor) {
        EXPECT_EQ(editor.windowTitle(), " Параметры объекта");
        typeInto(editor, "name", "Альфа");
        child<QComboBox>(editor, "address")->setCurrentText("12");
        clickButton(editor, "Принять");
    });
    object->setCurrentIndex(1);
    Q_EMIT object->activated(1);

    EXPECT_EQ(list.objects, (QList<MeteringObject>{{"Альфа", 12}, {"Бета", 2}}));
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(object->currentText(), "Альфа");
    const QByteArray saved = dir.read("objects.ini");
    EXPECT_TRUE(saved.contains("obj_num=2\r\n"));
    EXPECT_TRUE(saved.contains(toWindows1251("[OBJECT_1]\r\ncontr_adr=12\r\nobj_name=Альфа\r\n")));

    // 31 January, then February of 2024: the day becomes the 29th.
    auto* month = child<QComboBox>(dialog, "month");
    auto* day = child<QComboBox>(dialog, "day");
    EXPECT_EQ(child<QSpinBox>(dialog, "year")->value(), 2024);
    EXPECT_EQ(month->currentText(), "Март");
    EXPECT_EQ(day->currentText(), "10");
    month->setCurrentIndex(0);
    day->setCurrentIndex(30);
    month->setCurrentIndex(1);
    EXPECT_EQ(day->count(), 29);
    EXPECT_EQ(day->currentText(), "29");

    clickButton(dialog, "Принять");
    EXPECT_TRUE(person.messages().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().objectName, "Альфа");
    EXPECT_EQ(dialog.choice().day, (DateStamp{24, 2, 29}));
}

TEST_F(ObjectDialogs, TheMonthDialogHidesTheDayAndRefusesAMissingObjectOrMonth)
{
    TFormExcRep_Date dialog(SpreadsheetReportKind::Month, archive, list, listFile(), person);
    EXPECT_EQ(dialog.windowTitle(), " Параметры отчета за месяц");
    EXPECT_FALSE(child<QComboBox>(dialog, "day")->isVisibleTo(&dialog));
    clickButton(dialog, "Принять");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
    EXPECT_EQ(person.messages()[0].line1, "Не введено наименование объекта");

    list.objects = {{"Альфа", 1}};
    TFormExcRep_Date again(SpreadsheetReportKind::Month, archive, list, listFile(), person);
    child<QComboBox>(again, "month")->setCurrentIndex(3);
    clickButton(again, "Принять");
    EXPECT_EQ(person.messages().last().line1, "В архиве нет данных за указанную дату");
    EXPECT_NE(again.result(), QDialog::Accepted);
    EXPECT_TRUE(dir.read("objects.ini").isEmpty());
}

TEST_F(ObjectDialogs, DeletionAskedAndAcceptedIsWrittenToTheFile)
{
    list.objects = {{"Альфа", 1}, {"Бета", 2}, {"Гамма", 3}};
    TFormObjects_List editor(list, listFile(), person);
    EXPECT_EQ(editor.windowTitle(), " Список объектов");
    EXPECT_FALSE(button(editor, "По наименованию")->isEnabled());
    EXPECT_TRUE(button(editor, "По адресу")->isEnabled());
    editor.findChild<QTableView*>()->selectRow(1);
    person.answerYes();
    clickButton(editor, "Удалить");
    EXPECT_EQ(person.messages().last().line1, "Вы действительно хотите");
    EXPECT_EQ(person.messages().last().line2, "удалить этот объект?");
    clickButton(editor, "Принять");

    EXPECT_EQ(list.objects, (QList<MeteringObject>{{"Альфа", 1}, {"Гамма", 3}}));
    EXPECT_EQ(list.selected, 0);
    const QByteArray saved = dir.read("objects.ini");
    EXPECT_TRUE(saved.contains("obj_num=2\r\n"));
    EXPECT_TRUE(saved.contains(toWindows1251("[OBJECT_2]\r\ncontr_adr=3\r\nobj_name=Гамма\r\n")));
}

TEST_F(ObjectDialogs, CancelRestoresTheListAndAFullListOffersNoAdding)
{
    for (int i = 0; i < ObjectList::capacity; ++i)
        list.objects.append({QStringLiteral("Объект %1").arg(i, 2, 10, QLatin1Char('0')), 1});
    const ObjectList before = list;
    TFormObjects_List editor(list, listFile(), person);
    EXPECT_FALSE(button(editor, "Добавить")->isEnabled());
    person.answerYes();
    clickButton(editor, "Удалить");
    EXPECT_TRUE(button(editor, "Добавить")->isEnabled());
    clickButton(editor, "Отменить");
    EXPECT_EQ(list, before);
    EXPECT_TRUE(dir.read("objects.ini").isEmpty());
}

TEST_F(ObjectDialogs, TheListOpenedFromTheDateDialogRefillsItsChoices)
{
    list.objects = {{"Альфа", 1}, {"Бета", 2}};
    SpreadsheetReportDialogs windows(list, listFile(), person, nullptr, [] {});
    whenOpen<TFormExcRep_Date>([this](TFormExcRep_Date& dialog) {
        whenOpen<TFormObjects_List>([this](TFormObjects_List& editor) {
            person.answerYes();
            clickButton(editor, "Удалить");
            clickButton(editor, "Принять");
        });
        clickButton(dialog, "Список объектов");
        EXPECT_EQ(child<QComboBox>(dialog, "object")->itemText(0), "Бета");
        EXPECT_EQ(child<QComboBox>(dialog, "object")->count(), 2);
        clickButton(dialog, "Отменить");
    });
    EXPECT_FALSE(windows.chooseSpreadsheetReport(SpreadsheetReportKind::Day, archive));
    EXPECT_EQ(list.objects, (QList<MeteringObject>{{"Бета", 2}}));
}

TEST_F(ObjectDialogs, AListThatCouldNotBeWrittenIsToldAndTheOldFileStays)
{
    dir.write("objects.ini", "[OBJECT_LIST]\r\nobj_num=0\r\n");
    TFormObjects_List editor(list, listFile(), person);
    whenOpen<TFormObject>([](TFormObject& entry) {
        typeInto(entry, "name", "Альфа");
        clickButton(entry, "Принять");
    });
    clickButton(editor, "Добавить");
    const FailingSaves failing({SaveFault::Step::Write, 1, {}});
    clickButton(editor, "Принять");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Ошибка записи файла");
    EXPECT_EQ(dir.read("objects.ini"), "[OBJECT_LIST]\r\nobj_num=0\r\n");
}

TEST_F(ObjectDialogs, TheObjectEditorRefusesABlankName)
{
    MeteringObject object{"Альфа", 4};
    TFormObject editor(object, person);
    typeInto(editor, "name", "");
    clickButton(editor, "Принять");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Введены не все параметры");
    EXPECT_EQ(object, (MeteringObject{"Альфа", 4}));
}

} // namespace
