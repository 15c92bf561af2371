#include "dialog_widgets.h"
#include "forms/tformdt.h"
#include "forms/tformshortdate.h"
#include "support/scripted_operator.h"
#include "tables/calendar.h"
#include "tables/period_memory.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const QByteArray systemParameters = QByteArray::fromHex("03c9030ac904"
                                                        "09010100");

// 14.07.26 12:00:00, a Sunday in winter time by the controller's account.
const QByteArray wrongDayAndType = QByteArray::fromHex("1a070e0c0000"
                                                       "0180");
// 15.07.26 11:59:50, Wednesday, summer.
const QByteArray tenSecondsBehind = QByteArray::fromHex("1a070f0b3b32"
                                                        "0400");
const QDateTime pcNoon(QDate(2026, 7, 15), QTime(12, 0, 0));

QColor textColour(TFormDt& dialog, const QString& name)
{
    return child<QLabel>(dialog, name)->palette().color(QPalette::WindowText);
}

QPushButton* correctButton(TFormDt& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "Скорректировать в устройстве")
            return button;
    return nullptr;
}

TEST(DateTimeWindow, ShowsBothClocksWithTheControllersDifferencesInRed)
{
    ScriptedOperator person;
    TFormDt dialog(wrongDayAndType, systemParameters, pcNoon, person);
    EXPECT_EQ(dialog.windowTitle(), "Текущие дата и время");
    EXPECT_EQ(dialog.size(), QSize(540, 196));
    EXPECT_EQ(child<QLabel>(dialog, "controllerDate")->text(), "14.07.26");
    EXPECT_EQ(child<QLabel>(dialog, "controllerDay")->text(), "Воскресенье");
    EXPECT_EQ(child<QLabel>(dialog, "controllerTimeType")->text(), "Зимнее");
    EXPECT_EQ(child<QLabel>(dialog, "pcDate")->text(), "15.07.26");
    EXPECT_EQ(child<QLabel>(dialog, "pcTime")->text(), "12:00:00");
    EXPECT_EQ(child<QLabel>(dialog, "pcDay")->text(), "Среда");
    EXPECT_EQ(child<QLabel>(dialog, "pcTimeType")->text(), "Летнее");

    const QColor red(Qt::red);
    EXPECT_EQ(textColour(dialog, "controllerDate"), red);
    EXPECT_NE(textColour(dialog, "controllerTime"), red) << "the same time of day";
    EXPECT_EQ(textColour(dialog, "controllerDay"), red);
    EXPECT_EQ(textColour(dialog, "controllerTimeType"), red);
    EXPECT_NE(textColour(dialog, "pcDate"), red);
}

TEST(DateTimeWindow, CorrectionIsOfferedOnlyWhenTheClocksDifferAndNeedsAYes)
{
    ScriptedOperator person;
    TFormDt same(QByteArray::fromHex("1a070f0c0000"
                                     "0400"),
                 systemParameters, pcNoon, person);
    EXPECT_FALSE(correctButton(same)->isEnabled());

    TFormDt confirmed(tenSecondsBehind, systemParameters, pcNoon, person);
    person.answerYes();
    correctButton(confirmed)->click();
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(person.messages()[0].line1, "Вы уверены, что часы ЭВМ показывают правильное время?");
    EXPECT_EQ(confirmed.result(), QDialog::Accepted);
    EXPECT_EQ(confirmed.correction(), std::optional<std::int16_t>(10));

    TFormDt declined(tenSecondsBehind, systemParameters, pcNoon, person);
    person.answerNo();
    correctButton(declined)->click();
    EXPECT_EQ(declined.result(), QDialog::Rejected);
    EXPECT_FALSE(declined.correction());

    TFormDt left(tenSecondsBehind, systemParameters, pcNoon, person);
    clickButton(left, "Выход");
    EXPECT_FALSE(left.correction());
}

DateStamp at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return {year - 2000, month, day, hour, minute, 0};
}

class PeriodWindow : public ::testing::Test {
protected:
    QStringList labels(QWidget& dialog) const
    {
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

    const ArchiveBounds hourly{at(2024, 1, 10, 5), at(2024, 3, 1, 11)};
    const DateStamp now = at(2024, 3, 1, 12, 40);
    PeriodMemory memory;
    ScriptedOperator person;
};

TEST_F(PeriodWindow, HourlyLastDayIsTheFirstChoiceAndGivesTwentyFourHours)
{
    TFormShortDate dialog(PeriodMode::Hourly, hourly, now, memory, person);
    EXPECT_TRUE(labels(dialog).contains("Дата и время самой старой записи в архиве:  10.01.24 05ч"));
    EXPECT_TRUE(labels(dialog).contains("Дата и время последней записи в архиве:  01.03.24 11ч"));
    EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 2);
    EXPECT_FALSE(child<QDateEdit>(dialog, "startDate")->isEnabled());
    EXPECT_EQ(child<QDateEdit>(dialog, "startDate")->date(), QDate(2024, 2, 29));
    EXPECT_EQ(child<QSpinBox>(dialog, "startHour")->value(), 12);
    EXPECT_EQ(dialog.findChild<QSpinBox*>("startMinute"), nullptr);

    clickButton(dialog, "Принять");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.period(), (Period{at(2024, 2, 29, 12), at(2024, 3, 1, 11)}));
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST_F(PeriodWindow, AGivenPeriodIsCheckedClampedAndRememberedForEveryArchive)
{
    {
        TFormShortDate dialog(PeriodMode::Hourly, hourly, now, memory, person);
        clickButton(dialog, "Заданный период");
        EXPECT_TRUE(child<QDateEdit>(dialog, "startDate")->isEnabled());
        child<QDateEdit>(dialog, "startDate")->setDate(QDate(2024, 2, 10));
        child<QDateEdit>(dialog, "endDate")->setDate(QDate(2024, 2, 9));
        clickButton(dialog, "Принять");
        ASSERT_EQ(person.messages().size(), 1);
        EXPECT_EQ(person.messages()[0].line1, "Дата и время конца опроса должны быть");
        EXPECT_NE(dialog.result(), QDialog::Accepted);

        child<QDateEdit>(dialog, "startDate")->setDate(QDate(2024, 3, 2));
        child<QDateEdit>(dialog, "endDate")->setDate(QDate(2024, 3, 5));
        clickButton(dialog, "Принять");
        ASSERT_EQ(person.messages().size(), 2);
        EXPECT_EQ(person.messages()[1].line1, "В архиве нет данных за указанный период");

        child<QDateEdit>(dialog, "startDate")->setDate(QDate(2024, 1, 1));
        child<QSpinBox>(dialog, "startHour")->setValue(0);
        child<QDateEdit>(dialog, "endDate")->setDate(QDate(2024, 1, 20));
        child<QSpinBox>(dialog, "endHour")->setValue(7);
        clickButton(dialog, "Принять");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.period(), (Period{hourly.oldest, at(2024, 1, 20, 7)})) << "start clamped to the oldest record";
    }
    // The daily archive opens on its own first choice but offers the same given period.
    TFormShortDate daily(PeriodMode::Daily, hourly, now, memory, person);
    EXPECT_FALSE(child<QDateEdit>(daily, "startDate")->isEnabled());
    clickButton(daily, "Заданный период");
    EXPECT_EQ(child<QDateEdit>(daily, "startDate")->date(), QDate(2024, 1, 10));
    EXPECT_EQ(child<QDateEdit>(daily, "endDate")->date(), QDate(2024, 1, 20));

    TFormShortDate again(PeriodMode::Hourly, hourly, now, memory, person);
    EXPECT_TRUE(child<QDateEdit>(again, "startDate")->isEnabled()) << "the given period was the last choice";
    EXPECT_EQ(child<QSpinBox>(again, "endHour")->value(), 7);
}

} // namespace
