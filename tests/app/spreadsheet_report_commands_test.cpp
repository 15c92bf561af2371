#include "app/spreadsheet_report_commands.h"
#include "settings/work_directory.h"
#include "support/simulated_link.h"
#include "support/temp_workdir.h"
#include "support/workbook_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// The report dialog answers as told and remembers the bounds it was shown.
class ScriptedSpreadsheetWindows : public SpreadsheetReportWindows {
public:
    std::optional<SpreadsheetReportChoice> choice; // none: the operator cancels
    int dialogs = 0;
    ArchiveBounds shownBounds;

    std::optional<SpreadsheetReportChoice> chooseSpreadsheetReport(SpreadsheetReportKind,
                                                                   const ArchiveBounds& dayArchive) override
    {
        ++dialogs;
        shownBounds = dayArchive;
        return choice;
    }
    void startMessageTimer() override {}
};

QDateTime at(int year, int month, int day, int hour = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

class SpreadsheetReportsOnSimulator : public ::testing::Test {
protected:
    void start(SimControllerOptions controller = {})
    {
        link = std::make_unique<SimulatedLink>(controller);
        ASSERT_TRUE(link->up());
        link->server().holdClock(at(2026, 3, 15, 10).addSecs(7 * 60));
        directory.ensureFolders();
    }
    void make(SpreadsheetReportKind kind)
    {
        SpreadsheetReportCommands(link->context(), windows, directory, QStringLiteral(GQC_REPORT_TEMPLATE_DIR))
            .make(kind);
    }
    // The archive requests of `function`: their data bytes after the three head bytes.
    QList<QByteArray> requests(std::uint8_t function, std::uint8_t device)
    {
        QList<QByteArray> found;
        for (const QByteArray& frame : link->frames())
            if (static_cast<std::uint8_t>(frame[3]) == function && static_cast<std::uint8_t>(frame[6]) == device)
                found << frame.mid(4, static_cast<std::uint8_t>(frame[2]) - 6);
        return found;
    }
    QStringList messages() const
    {
        QStringList lines;
        for (const auto& message : link->person.messages())
            lines << message.line1 + " / " + message.line2;
        return lines;
    }
    QString reportPath(const QString& name) const { return directory.reports() + '/' + name; }

    std::unique_ptr<SimulatedLink> link;
    TempWorkdir workdir;
    WorkDirectory directory{workdir.path()};
    ScriptedSpreadsheetWindows windows;
};

TEST_F(SpreadsheetReportsOnSimulator, ADayReportTakesTheDayRecordsAndTheGasDaysHoursOfBothInstruments)
{
    start();
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС Северная"), {26, 3, 14}};
    make(SpreadsheetReportKind::Day);

    ASSERT_EQ(messages(), QStringList{"Данные сохранены в файле ГРС Северная_day_260314.xlsx / "});
    const QByteArray day("\x03\x00\x00\x1a\x03\x0e\x1a\x03\x0e", 9);
    EXPECT_EQ(requests(16, 0), QList<QByteArray>{day});
    QByteArray moistureDay = day;
    moistureDay[2] = 1;
    EXPECT_EQ(requests(16, 1), QList<QByteArray>{moistureDay});
    // The gas day from 9 o'clock of the 14th to 8 o'clock of the 15th.
    const QList<QByteArray> hours = requests(15, 0);
    ASSERT_FALSE(hours.isEmpty());
    EXPECT_EQ(hours[0], QByteArray("\x03\x00\x00\x1a\x03\x0e\x09\x1a\x03\x0f\x08", 11));
    EXPECT_FALSE(requests(15, 1).isEmpty());

    const WorkbookSheet sheet = readWorkbook(reportPath("ГРС Северная_day_260314.xlsx"));
    ASSERT_TRUE(sheet.problem.isEmpty()) << sheet.problem.toStdString();
    EXPECT_EQ(sheet.text("V4"), "За період з 14.03.26 09:00  по  15.03.26 08:00");
    EXPECT_EQ(sheet.text("A10"), "14.03.26  09:00");
    EXPECT_EQ(sheet.text("A33"), "15.03.26  08:00");
}

TEST_F(SpreadsheetReportsOnSimulator, WithoutItsTemplateAReportAsksTheControllerNothing)
{
    start();
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС"), {26, 3, 14}};
    SpreadsheetReportCommands(link->context(), windows, directory, workdir.path()).make(SpreadsheetReportKind::Month);

    EXPECT_EQ(messages(), QStringList{"В рабочем каталоге отсутствует файл mon_report_title.xlsx / "
                                      "Обратитесь к разработчику программного обеспечения"});
    EXPECT_EQ(windows.dialogs, 0);
    EXPECT_TRUE(link->frames().isEmpty());
}

TEST_F(SpreadsheetReportsOnSimulator, ADamagedDayRecordStopsTheReportBeforeTheHours)
{
    SimControllerOptions controller;
    controller.history.damagedRecords = {at(2026, 3, 14, 9)};
    start(controller);
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС"), {26, 3, 14}};
    make(SpreadsheetReportKind::Day);

    EXPECT_EQ(messages(), QStringList{"Суточные данные хроматографа недостоверны / (не совпадает КС записи"});
    EXPECT_TRUE(requests(16, 1).isEmpty());
    EXPECT_TRUE(requests(15, 0).isEmpty());
    EXPECT_FALSE(QFile::exists(reportPath("ГРС_day_260314.xlsx")));
}

TEST_F(SpreadsheetReportsOnSimulator, WithoutAMoistureMeterTheDayIsNotReported)
{
    SimControllerOptions controller;
    controller.history.moistureMeter = false;
    start(controller);
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС"), {26, 3, 14}};
    make(SpreadsheetReportKind::Day);

    EXPECT_EQ(messages(), QStringList{"Суточные данные из архива / влагомера не прочитаны"});
    EXPECT_FALSE(QFile::exists(reportPath("ГРС_day_260314.xlsx")));
}

TEST_F(SpreadsheetReportsOnSimulator, AMonthReportReadsTheMonthUpToTheNewestDay)
{
    start();
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС"), {26, 3, 1}};
    make(SpreadsheetReportKind::Month);

    ASSERT_EQ(messages(), QStringList{"Данные сохранены в файле ГРС_mon_2603.xlsx / "});
    const QList<QByteArray> days = requests(16, 0);
    ASSERT_FALSE(days.isEmpty());
    EXPECT_EQ(days[0], QByteArray("\x03\x00\x00\x1a\x03\x01\x1a\x03\x0e", 9)) << "the 1st to the newest day, the 14th";
    const WorkbookSheet sheet = readWorkbook(reportPath("ГРС_mon_2603.xlsx"));
    EXPECT_EQ(sheet.text("V4"), "За період з 01.03.26 по  14.03.26");
}

TEST_F(SpreadsheetReportsOnSimulator, AnExistingReportIsKeptWhenTheOperatorSaysNo)
{
    start();
    QFile old(reportPath("ГРС_mon_2603.xlsx"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
    old.close();
    windows.choice = SpreadsheetReportChoice{QStringLiteral("ГРС"), {26, 3, 1}};
    link->person.answerNo();
    make(SpreadsheetReportKind::Month);

    EXPECT_EQ(messages(), QStringList{"Файл отчета ГРС_mon_2603.xlsx уже есть. / Вы хотите заменить существующий отчет?"});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old report");
}

TEST_F(SpreadsheetReportsOnSimulator, AnObjectNameThatIsNoFileNameWritesNothing)
{
    start();
    windows.choice = SpreadsheetReportChoice{QStringLiteral("../ГРС"), {26, 3, 1}};
    make(SpreadsheetReportKind::Month);

    EXPECT_EQ(messages(), QStringList{"Ошибка работы с файлом! / "});
    EXPECT_TRUE(requests(16, 0).isEmpty()) << "nothing is read for a report that cannot be saved";
    EXPECT_TRUE(QDir(directory.reports()).isEmpty());
    EXPECT_FALSE(QFile::exists(directory.root() + "/ГРС_mon_2603.xlsx"));
}

} // namespace
