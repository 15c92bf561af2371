#include "app/app_state.h"
#include "connected_window.h"
#include "dialog_widgets.h"
#include "forms/main_menu_bar.h"
#include "forms/tformmain.h"
#include "forms/tformquesprn.h"
#include "forms/tformrepconf.h"
#include "forms/tformrepcreate.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

const ArchiveBounds Bounds{{8, 3, 10, 9, 0, 0}, {8, 12, 31, 9, 0, 0}};

QStringList labels(QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(ReportDayWindow, ShowsTheArchivesDaysAndOffersThePresetDay)
{
    ScriptedOperator person;
    TFormRepCreate dialog(Bounds, QDate(2009, 1, 2), person);
    EXPECT_EQ(dialog.windowTitle(), "Чтение данных для создания отчета");
    EXPECT_TRUE(labels(dialog).contains("Дата и время самой старой записи в архиве:  10.03.08"));
    EXPECT_TRUE(labels(dialog).contains("Дата и время последней записи в архиве:  31.12.08"));
    EXPECT_TRUE(labels(dialog).contains("Создать суточный отчет за"));
    EXPECT_EQ(child<QDateEdit>(dialog, "day")->date(), QDate(2009, 1, 2));
}

TEST(ReportDayWindow, ADayOutsideTheArchiveIsRefusedAndTheDialogStaysOpenWithIt)
{
    ScriptedOperator person;
    TFormRepCreate dialog(Bounds, QDate(2009, 1, 1), person);
    clickButton(dialog, "Принять");
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
    EXPECT_EQ(person.messages()[0].line1, "В архиве нет данных за указанные сутки");
    EXPECT_EQ(person.messages()[0].line2, "(см. период имеющихся в архиве данных)");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.day(), QDate(2009, 1, 1));

    child<QDateEdit>(dialog, "day")->setDate(QDate(2008, 12, 31));
    clickButton(dialog, "Принять");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.day(), QDate(2008, 12, 31));
    EXPECT_EQ(person.messages().size(), 1);
}

TEST(ReportDayWindow, CancelLeavesWithoutADay)
{
    ScriptedOperator person;
    TFormRepCreate dialog(Bounds, QDate(2008, 5, 1), person);
    clickButton(dialog, "Отменить");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST(ReportMenu, ThePrintItemNamesTheDocumentOfTheReportKindAfterEverySettingsDialog)
{
    TempWorkdir dir;
    QByteArray passport(25, '\0');
    passport[3] = 1;
    dir.write("INI/repconf.ini", passport);
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    QAction* print = window.menu().action("NRepPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), "Просмотр/Печать суточного паспорта");
    ASSERT_NE(window.menu().action("NRepCreate"), nullptr);
    EXPECT_EQ(window.menu().action("NRepCreate")->text(), "Чтение данных для создания отчета");

    state.reportSettings = ReportSettings::fromBytes({});
    whenOpen<TFormRepConf>([](TFormRepConf& dialog) { clickButton(dialog, "Отменить"); });
    window.menu().action("NFormate")->trigger();
    EXPECT_EQ(print->text(), "Просмотр/Печать суточного сертификата");
}

TEST(ReportMenu, TheDayPickedIsReadSavedAndOfferedFromTheMainWindow)
{
    ConnectedWindow connected(0);
    connected.server.holdClock(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    ASSERT_TRUE(connected.connect());
    connected.driver.seen.clear();
    connected.driver.leaveWith = QStringLiteral("OK");
    connected.driver.answerFirst = [](QWidget& dialog) {
        if (qobject_cast<TFormRepCreate*>(&dialog)) {
            child<QDateEdit>(dialog, "day")->setDate(QDate(2026, 3, 14));
            return clickButton(dialog, "Принять");
        }
        return qobject_cast<TFormQuesPrn*>(&dialog) && clickButton(dialog, "Выход");
    };
    connected.window->menu().action("NRepCreate")->trigger();

    EXPECT_EQ(connected.driver.seen, (QStringList{"Чтение данных для создания отчета", QString(), "Данные в отчете"}));
    EXPECT_EQ(connected.dir.read("REPORT/rep260314.srt").size(), 912);
    EXPECT_FALSE(connected.window->commandRunning());
}

} // namespace
