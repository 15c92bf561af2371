#include "app/report_texts_command.h"
#include "settings/work_directory.h"
#include "support/failing_saves.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class ReportTextsCommand : public ::testing::Test {
protected:
    // Runs the command with an editor that writes `text` into the panel's first field.
    void edit(ReportTextsPanel panel, const QString& text, bool accept = true)
    {
        editReportTexts(person, WorkDirectory(dir.path()), panel, [&](ReportTexts& texts, ReportTextsPanel shown) {
            EXPECT_EQ(shown, panel);
            dayStartHourShown = texts.dayStartHour();
            texts.storePanel(shown, {text});
            return accept;
        });
    }

    TempWorkdir dir;
    ScriptedOperator person;
    int dayStartHourShown = -1;
};

TEST_F(ReportTextsCommand, WithoutAFileSavesTheWholeRecordWithTheDayStartingAtNine)
{
    QDir(dir.path()).mkpath("REPORT");
    edit(ReportTextsPanel::Passport, "Master");
    const QByteArray saved = dir.read("REPORT/report.ini");
    ASSERT_EQ(saved.size(), ReportTexts::Size);
    EXPECT_EQ(dayStartHourShown, 9);
    EXPECT_EQ(saved[500], 9);
    EXPECT_EQ(saved.mid(501, 50), QByteArray("Master") + QByteArray(44, '\0'));
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST_F(ReportTextsCommand, KeepsTheOtherPanelAndCorrectsAnHourThatNamesNone)
{
    QByteArray stored(ReportTexts::Size, 's');
    stored[500] = 30;
    dir.write("REPORT/report.ini", stored);
    edit(ReportTextsPanel::Certificate, "Head");
    const QByteArray saved = dir.read("REPORT/report.ini");
    EXPECT_EQ(dayStartHourShown, 9);
    EXPECT_EQ(saved.left(100), QByteArray("Head") + QByteArray(96, '\0'));
    EXPECT_EQ(saved.mid(100, 100), QByteArray(100, '\0'));
    EXPECT_EQ(saved.mid(501), stored.mid(501));
}

TEST_F(ReportTextsCommand, CancelledWritesNothing)
{
    QByteArray stored(ReportTexts::Size, 's');
    dir.write("REPORT/report.ini", stored);
    edit(ReportTextsPanel::Certificate, "Head", false);
    EXPECT_EQ(dir.read("REPORT/report.ini"), stored);
}

TEST_F(ReportTextsCommand, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    QByteArray stored(ReportTexts::Size, 's');
    stored[500] = 8;
    dir.write("REPORT/report.ini", stored);
    {
        const FailingSaves full({SaveFault::Step::Write, 1, "report.ini"});
        edit(ReportTextsPanel::Certificate, "Head");
    }
    EXPECT_EQ(dir.read("REPORT/report.ini"), stored);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(person.messages()[0].line1, QStringLiteral("Ошибка записи файла"));
}

} // namespace
