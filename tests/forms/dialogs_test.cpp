#include "forms/integer_key_filter.h"
#include "forms/tformmessage.h"
#include "forms/tformwait.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
