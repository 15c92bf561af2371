#include "forms/integer_key_filter.h"
#include "forms/tformabonents_list.h"
#include "forms/tformmessage.h"
#include "forms/tformwait.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(MessageDialogWindow, RetryKindShowsItsThirdLineAndAnswersYesOnDa)
{
    TFormMessage dialog(MessageKind::Retry, "Команда 1.  Устройство не отвечает", "");
    EXPECT_EQ(dialog.height(), 175);
    EXPECT_EQ(labelTexts(dialog), (QStringList{"Команда 1.  Устройство не отвечает", "", "Повторить попытку?"}));

    QPushButton* yes = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "Да")
            yes = button;
    ASSERT_NE(yes, nullptr);
    QTimer::singleShot(0, yes, &QPushButton::click);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(MessageDialogWindow, ErrorKindHasACaptionAndOneClosingButton)
{
    TFormMessage dialog(MessageKind::Error, "Ошибка открытия файла", "x.cnf");
    EXPECT_EQ(dialog.windowTitle(), "Ошибка");
    EXPECT_EQ(dialog.height(), 150);
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);
}

TEST(WaitWindow, ModeChoosesTheLines)
{
    TFormWait wait(WaitMode::AwaitingReconnect, 5);
    EXPECT_EQ(wait.size(), QSize(332, 126));
    EXPECT_EQ(labelTexts(wait), (QStringList{"Команда передана. Выполняется проверка",
                                             "восстановления связи с контроллером", "Ожидайте..."}));
}

TEST(IntegerField, TypedCharactersOtherThanDigitsAreDropped)
{
    QLineEdit field;
    IntegerKeyFilter::install(&field);
    QTest::keyClicks(&field, "1a2-3%,'");
    EXPECT_EQ(field.text(), "123%'");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "123%");
}

} // namespace

namespace {

class SubscriberListWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.count = 3;
        list.entries[0] = {"Альфа", 1, 1, "111"};
        list.entries[1] = {"Бета", 2, 1, "222"};
        list.entries[2] = {"Гамма", 3, 1, "333"};
    }

    static void click(QWidget& dialog, const QString& text)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == text)
                button->click();
    }

    PhoneList list;
    ScriptedOperator person;
};

TEST_F(SubscriberListWindow, CancelDropsTheEditedCopy)
{
    TFormAbonents_List editor(list, person);
    editor.findChild<QTableView*>()->selectRow(0);
    person.answerYes();
    click(editor, "Удалить");
    EXPECT_EQ(person.messages().last().line2, "удалить этот абонент?");
    click(editor, "Отменить");
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.entries[0].name, "Альфа");
}

TEST_F(SubscriberListWindow, AcceptedDeletionMovesTheFollowingEntriesUp)
{
    TFormAbonents_List editor(list, person);
    editor.findChild<QTableView*>()->selectRow(0);
    person.answerYes();
    click(editor, "Удалить");
    click(editor, "Принять");
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0].name, "Бета");
    EXPECT_EQ(list.entries[1].name, "Гамма");
}

} // namespace
