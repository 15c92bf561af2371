#include "forms/tformtableinfo.h"
#include "support/engine_settings.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

namespace {

// The dialog over an engine with no link: a reset fails as a lost line would.
class TableInfoDialog : public ::testing::Test {
protected:
    TableInfoDialog()
    {
        changeSettings(engine, [](ExchangeSettings& s) { s.openPerRequest = false; });
    }

    std::unique_ptr<TFormTableInfo> open(std::initializer_list<int> destroyed, int version, LinkKind link)
    {
        std::array<std::uint8_t, DestroyedTables::Size> flags{};
        for (int table : destroyed)
            flags[table] = 1;
        states = TableStateSet(DestroyedTables(flags));
        changeSettings(engine, [link](ExchangeSettings& s) { s.linkKind = link; });
        auto dialog = std::make_unique<TFormTableInfo>(states, version,
                                                       RequestContext{engine, person, image, settings, moistureMeter});
        dialog->show();
        return dialog;
    }

    static QPushButton* button(const QDialog& dialog, const QString& text)
    {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    static QTableWidget* list(const QDialog& dialog) { return dialog.findChild<QTableWidget*>("tables"); }

    // The row of a table: " Табл. %2d." leads its text.
    static int rowOf(const QDialog& dialog, int table)
    {
        const QString lead = QStringLiteral(" Табл. %1.").arg(table, 2);
        for (int row = 0; row < list(dialog)->rowCount(); ++row)
            if (list(dialog)->item(row, 1)->text().startsWith(lead))
                return row;
        return -1;
    }

    TableStateSet states;
    hgcbox engine{1};
    ScriptedOperator person;
    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 0;
};

TEST_F(TableInfoDialog, ShowsEveryConfigurationTableWithTheDestroyedOnesRedAndTicked)
{
    auto dialog = open({5, 22}, 4, LinkKind::Direct);
    EXPECT_EQ(dialog->windowTitle(), "Состояние таблиц параметров конфигурации");
    QTableWidget* rows = list(*dialog);
    ASSERT_EQ(rows->rowCount(), 21);
    EXPECT_EQ(dialog->width(), 600);
    EXPECT_EQ(dialog->height(), rows->geometry().bottom() + 1 + 113);

    const int name = rowOf(*dialog, 5);
    EXPECT_EQ(rows->item(name, 0)->text(), "4");
    EXPECT_EQ(rows->item(name, 2)->text(), "Да");
    EXPECT_EQ(rows->item(name, 2)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(rows->item(name, 3)->checkState(), Qt::Checked);
    const int system = rowOf(*dialog, 6);
    EXPECT_EQ(rows->item(system, 2)->text(), "Нет");
    EXPECT_EQ(rows->item(system, 3)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(rows->item(rowOf(*dialog, 2), 3)->flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(rows->item(rowOf(*dialog, 4), 3)->flags() & Qt::ItemIsEnabled);

    // A working controller can only be reset from here.
    EXPECT_FALSE(button(*dialog, "Записать все таблицы")->isEnabled());
    EXPECT_FALSE(button(*dialog, "Записать избранные таблицы")->isEnabled());
    EXPECT_TRUE(button(*dialog, "Сбросить энергонезависимые данные")->isEnabled());
}

TEST_F(TableInfoDialog, OverAModemNothingCanBeChosenAndAResetControllerCannotBeReset)
{
    auto dialog = open({2, 4, 22}, 14, LinkKind::Modem);
    for (int row = 0; row < list(*dialog)->rowCount(); ++row) {
        EXPECT_EQ(list(*dialog)->item(row, 3)->checkState(), Qt::Unchecked);
        EXPECT_FALSE(list(*dialog)->item(row, 3)->flags() & Qt::ItemIsEnabled);
    }
    EXPECT_FALSE(button(*dialog, "Записать все таблицы")->isEnabled());
    EXPECT_FALSE(button(*dialog, "Сбросить энергонезависимые данные")->isEnabled());
}

TEST_F(TableInfoDialog, WritingChosenTablesNeedsATick)
{
    auto dialog = open({9, 22}, 14, LinkKind::Direct);
    for (int table : {9, 22})
        list(*dialog)->item(rowOf(*dialog, table), 3)->setCheckState(Qt::Unchecked);
    button(*dialog, "Записать избранные таблицы")->click();
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Не заданы таблицы для записи");
    EXPECT_TRUE(dialog->isVisible());

    list(*dialog)->item(rowOf(*dialog, 21), 3)->setCheckState(Qt::Checked);
    button(*dialog, "Записать избранные таблицы")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), TableInfo::WriteChosen);
    EXPECT_TRUE(states.isToWrite(21));
    EXPECT_FALSE(states.isToWrite(22));
}

TEST_F(TableInfoDialog, WriteAllChoosesEveryTableButAnIntactDateAndUsers)
{
    auto dialog = open({9}, 14, LinkKind::Direct);
    button(*dialog, "Записать все таблицы")->click();
    EXPECT_EQ(dialog->result(), TableInfo::WriteAll);
    EXPECT_TRUE(states.isToWrite(9));
    EXPECT_TRUE(states.isToWrite(29));
    EXPECT_FALSE(states.isToWrite(2));
    EXPECT_FALSE(states.isToWrite(4));
}

TEST_F(TableInfoDialog, ResetAsksFirstAndAFailureKeepsTheDialogOpen)
{
    auto dialog = open({}, 4, LinkKind::Direct);
    QPushButton* reset = button(*dialog, "Сбросить энергонезависимые данные");
    reset->click();
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(person.messages()[0].line1, "Вы уверены, что хотите выполнить сброс");
    EXPECT_EQ(person.messages()[0].line2, "всех энергонезависимых данных?");
    EXPECT_EQ(engine.lastFunction(), 0); // "Нет": nothing sent

    person.answerYes();
    reset->click();
    ASSERT_EQ(person.messages().size(), 3);
    EXPECT_EQ(engine.lastFunction(), 25);
    EXPECT_EQ(person.messages()[2].kind, MessageKind::Error);
    EXPECT_EQ(person.messages()[2].line1, "Команда не может быть выполнена.");
    EXPECT_EQ(person.messages()[2].line2, engine.errorMessage());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(reset->isEnabled());
}

TEST_F(TableInfoDialog, ExitLeavesTheFlagsAlone)
{
    auto dialog = open({9}, 14, LinkKind::Direct);
    button(*dialog, "Выход")->click();
    EXPECT_EQ(dialog->result(), TableInfo::Exit);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(states.isToWrite(9));
}

} // namespace
