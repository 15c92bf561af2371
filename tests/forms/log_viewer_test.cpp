#include "forms/log_viewer.h"
#include "forms/tformindex.h"
#include "forms/tformperiod.h"
#include "settings/work_directory.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QDateTimeEdit>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

LogView interventionView(int rows, bool damagedLast)
{
    const QByteArray name(20, ' ');
    const LogReadingFacts facts{name, 3, {26, 3, 15, 11, 0, 0}, {26, 3, 14, 10, 0, 0}, {26, 3, 15, 10, 0, 0}, 2, 0};
    LogTable table{LogKind::Interventions, logFileHeader(LogKind::Interventions, facts, 0), {}};
    for (int row = 0; row < rows; ++row)
        table.rows << LogRow{
            {"    14.03.26", QString::asprintf("    10:%02d:00", row), "Адрес контроллера", "1", "2", "", "ADMI"}};
    if (damagedLast)
        table.rows.last() = LogRow{{"   ***", "", "", "", "", "", ""}, true};
    return {table, LogViewMode::ByIndex, 21};
}

class LogViewerWindow : public ::testing::Test {
protected:
    TempWorkdir workdir;
    WorkDirectory directory{workdir.path()};
    ScriptedOperator person;
};

TEST_F(LogViewerWindow, ShowsTheCaptionOfTheReadingAndOpensWithTheLastRowSelected)
{
    const LogView view = interventionView(40, false);
    LogViewer viewer(view, {directory, person, [] { return QDateTime(QDate(2026, 3, 15), QTime(12, 0)); }}, nullptr);
    EXPECT_EQ(viewer.windowTitle(), "Сообщения о вмешательствах оператора с индексами от 21 до 60");
    EXPECT_EQ(viewer.objectName(), "TFormAud");
    const QModelIndexList selected = viewer.grid().selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 39);
    EXPECT_EQ(viewer.grid().model()->headerData(2, Qt::Horizontal).toString(), "Наименование\nизмененного параметра");
    EXPECT_EQ(viewer.width(), 810);
    EXPECT_EQ(viewer.findChild<QLabel*>("damagedPanel"), nullptr);
}

TEST_F(LogViewerWindow, ADamagedRecordShowsStarsAndThePanelText)
{
    const LogView view = interventionView(3, true);
    LogViewer viewer(view, {directory, person, [] { return QDateTime(QDate(2026, 3, 15), QTime(12, 0)); }}, nullptr);
    EXPECT_EQ(viewer.grid().model()->index(2, 0).data().toString(), "   ***");
    const auto* panel = viewer.findChild<QLabel*>("damagedPanel");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(), "  ***  Данные в записи недостоверны (не совпадает КС)");
}

TEST_F(LogViewerWindow, SavingProposesTheLogFileNameInItsFolder)
{
    directory.ensureFolders();
    const LogView view = interventionView(2, false);
    LogViewer viewer(view, {directory, person, [] { return QDateTime(QDate(2026, 3, 15), QTime(12, 0)); }}, nullptr);
    person.chooseFileName(directory.interventionLogs() + "/a");
    for (QPushButton* button : viewer.findChildren<QPushButton*>())
        if (button->text() == "Сохранить в файле")
            button->click();
    ASSERT_EQ(person.fileChoices().size(), 1);
    EXPECT_EQ(person.fileChoices()[0].proposedName, "gqc_04-003-260315.aud");
    EXPECT_EQ(person.fileChoices()[0].title, "Введите имя файла для сохранения данных");
    EXPECT_EQ(workdir.read("AUDFILES/a.aud").size(), 58 + 2 * 205);
}

TEST_F(LogViewerWindow, TheIndexDialogRefusesAStartOutsideTheBoundsAndRemembersItsChoice)
{
    IndexChoice remembered = IndexChoice::Last100;
    TFormIndex dialog(LogKind::Diagnostics, {5, 120}, remembered, person);
    EXPECT_EQ(dialog.windowTitle(), "Индексы архивных записей диагностики");
    auto* first = dialog.findChild<QLineEdit*>("first");
    auto* count = dialog.findChild<QLineEdit*>("count");
    EXPECT_EQ(first->text(), "21");
    EXPECT_EQ(count->text(), "100");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.range(), (IndexRange{21, 100}));
    EXPECT_EQ(remembered, IndexChoice::Last100);

    TFormIndex given(LogKind::Diagnostics, {5, 120}, remembered, person);
    given.findChild<QLineEdit*>("first")->setText("4");
    given.accept();
    EXPECT_NE(given.result(), QDialog::Accepted);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Нелогичное значение индекса записи начала чтения");
}

TEST_F(LogViewerWindow, ThePeriodDialogRefusesAnEndBeforeTheStartAndKeepsAGivenPeriod)
{
    LogPeriodMemory memory;
    const QDateTime now(QDate(2026, 3, 15), QTime(12, 0, 0));
    TFormPeriod dialog(now, memory, person);
    EXPECT_EQ(dialog.windowTitle(), "Ввод периода времени запрашиваемых данных");
    dialog.accept();
    EXPECT_EQ(dialog.period(), (Period{{26, 3, 15, 11, 0, 0}, {26, 3, 15, 12, 0, 0}}));

    memory.choice = LogPeriodChoice::Given;
    TFormPeriod given(now, memory, person);
    given.findChild<QDateTimeEdit*>("start")->setDateTime(QDateTime(QDate(2026, 3, 15), QTime(10, 0, 1)));
    given.findChild<QDateTimeEdit*>("end")->setDateTime(QDateTime(QDate(2026, 3, 15), QTime(10, 0, 0)));
    given.accept();
    EXPECT_NE(given.result(), QDialog::Accepted);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line2, "больше даты и времени начала опроса");
    given.findChild<QDateTimeEdit*>("end")->setDateTime(QDateTime(QDate(2026, 3, 15), QTime(10, 0, 1)));
    given.accept();
    EXPECT_EQ(given.result(), QDialog::Accepted);
    ASSERT_TRUE(memory.given);
    EXPECT_EQ(memory.given->end, (DateStamp{26, 3, 15, 10, 0, 1}));
}

} // namespace
