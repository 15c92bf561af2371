#include "app/basic_data.h"
#include "app/day_report_commands.h"
#include "base/windows1251.h"
#include "settings/work_directory.h"
#include "support/failing_saves.h"
#include "support/simulated_link.h"
#include "support/temp_workdir.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <deque>

namespace {

// The day the operator picks (none: he cancels) and the choices he makes in
// "Данные в отчете" (exit once they run out); everything shown is kept.
class ScriptedReportWindows : public ReportWindows {
public:
    std::optional<QDate> day;
    std::deque<Choice> choices;
    QList<ArchiveBounds> shownBounds;
    QList<QDate> presets;
    int outputDialogs = 0;
    QStringList shownLines;
    int previews = 0;
    int chosenPrinterPrints = 0;

    std::optional<QDate> chooseReportDay(const ArchiveBounds& bounds, const QDate& preset) override
    {
        shownBounds << bounds;
        presets << preset;
        return day;
    }
    Choice chooseOutput(const QStringList& lines) override
    {
        ++outputDialogs;
        shownLines = lines;
        if (choices.empty())
            return Choice::Exit;
        const Choice next = choices.front();
        choices.pop_front();
        return next;
    }
    bool showPrintout(const ReportDocument&) override { return ++previews, true; }
    bool printOnChosenPrinter(const ReportDocument&) override { return ++chosenPrinterPrints, true; }
    bool printNow(const ReportDocument&) override
    {
        ADD_FAILURE() << "a daily report is printed on the printer the operator chooses";
        return true;
    }
    std::optional<QString> choosePrinting(const DocumentTitle&, const QString&) override { return std::nullopt; }
};

const QDate LastDayOf2008(2008, 12, 31);
const QDateTime PcNow(QDate(2009, 1, 3), QTime(12, 0, 0));

class DailyReportsOnSimulator : public ::testing::Test {
protected:
    void SetUp() override { directory.ensureFolders(); }

    void start(SimControllerOptions controller = {})
    {
        controller.history.historyStart = QDateTime(QDate(2008, 3, 10), QTime(0, 0), Qt::UTC);
        link = std::make_unique<SimulatedLink>(controller);
        ASSERT_TRUE(link->up());
        link->server().holdClock(QDateTime(QDate(2009, 1, 2), QTime(14, 0, 0), Qt::UTC));
        // What the connection start reads: the controller's name among it.
        ComponentSlotMap map;
        ASSERT_TRUE(readBasicData(link->layer, map));
        link->forgetRequests();
    }
    DayReportCommands commands(Operator& person)
    {
        return {person, {windows, directory, settings, slotMap, [] { return PcNow; }, [this] { ++messageTimers; }}};
    }
    void create() { commands(link->person).create(link->context()); }
    void printFile(const QString& path)
    {
        person.chooseFileName(path);
        commands(person).printFile();
    }
    QList<QByteArray> dayRequests()
    {
        QList<QByteArray> requests;
        for (const QByteArray& frame : link->frames())
            if (static_cast<std::uint8_t>(frame[3]) == 16)
                requests << frame.mid(4, 9);
        return requests;
    }
    QString reportFile() const { return dir.file("REPORT/rep081231.srt"); }
    // report.ini with day-start hour 5, which the controller's contract hour (9) overrides.
    void writeReportTexts()
    {
        QByteArray texts(801, '\0');
        texts.replace(0, 4, "Head");
        texts[500] = 5;
        dir.write("REPORT/report.ini", texts);
    }
    QByteArray reportOf(std::initializer_list<int> period)
    {
        QByteArray bytes(912, '\0');
        QRandomGenerator random(7);
        for (char& byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        int offset = 822;
        for (const int value : period)
            bytes[offset++] = static_cast<char>(value);
        return bytes;
    }

    TempWorkdir dir;
    WorkDirectory directory{dir.path()};
    std::unique_ptr<SimulatedLink> link;
    ScriptedOperator person;
    ScriptedReportWindows windows;
    const ReportSettings settings = ReportSettings::fromBytes({});
    const ComponentSlotMap slotMap;
    int messageTimers = 0;
};

} // namespace

TEST_F(DailyReportsOnSimulator, TheLastDayOf2008IsReadSavedAsItsReportAndOffered)
{
    start();
    writeReportTexts();
    windows.day = LastDayOf2008;
    windows.choices = {ReportWindows::Choice::Preview, ReportWindows::Choice::Print};
    create();

    ASSERT_EQ(windows.presets, QList<QDate>{QDate(2009, 1, 2)}) << "yesterday of the PC's calendar";
    EXPECT_EQ(windows.shownBounds[0].newest.day, 1) << "the gas day of 2 January has not ended at 14:00";
    ASSERT_EQ(dayRequests(), QList<QByteArray>{QByteArray::fromHex("0300000"
                                                                   "80c1f080c1f")});
    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Данные для создания отчета");
    EXPECT_EQ(link->person.messages()[0].line2, "сохранены в файле rep081231.srt");

    const QByteArray bytes = dir.read("REPORT/rep081231.srt");
    ASSERT_EQ(bytes.size(), 912);
    EXPECT_EQ(bytes.left(4), "Head");
    EXPECT_EQ(bytes[500], 9) << "the controller's contract hour, not report.ini's";
    EXPECT_EQ(bytes.mid(801, 20), toWindows1251(QStringLiteral("ГРС Северная")).leftJustified(20, ' '));
    EXPECT_EQ(bytes[821], 1);
    EXPECT_EQ(bytes.mid(822, 10), QByteArray::fromHex("080c1f0900090101"
                                                      "0900"));
    const DayReport report = ReportDataFile::fromBytes(bytes)->report();
    EXPECT_GT(report.values[GasSlot::Methane], 80.0f) << "the day's mean methane fraction";

    EXPECT_EQ(windows.shownLines, (QStringList{"СУТОЧНЫЙ СЕРТИФИКАТ", "За 31 декабря 2008 года",
                                               "c  09:00  31 декабря 2008г   до   09:00  1 января 2009г"}));
    EXPECT_EQ(windows.outputDialogs, 3) << "offered until the operator chose exit";
    EXPECT_EQ(windows.previews, 1);
    EXPECT_EQ(windows.chosenPrinterPrints, 1);
}

TEST_F(DailyReportsOnSimulator, ADamagedDayRecordIsNeitherSavedNorOffered)
{
    SimControllerOptions controller;
    controller.history.damagedRecords = {QDateTime(LastDayOf2008, QTime(9, 0), Qt::UTC)};
    start(controller);
    windows.day = LastDayOf2008;
    create();

    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Суточные данные недостоверны");
    EXPECT_EQ(link->person.messages()[0].line2, "(не совпадает КС записи");
    EXPECT_FALSE(QFile::exists(reportFile()));
    EXPECT_EQ(windows.outputDialogs, 0);
}

TEST_F(DailyReportsOnSimulator, AFailedRequestShowsTheEnginesTextAndNothingElseHappens)
{
    start();
    link->setFaults("code 16 error 60 0");
    windows.day = LastDayOf2008;
    create();

    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Суточные данные из архива");
    EXPECT_EQ(link->person.messages()[0].line2, "не прочитаны");
    EXPECT_TRUE(link->person.panel(StatusPanel::Transient).startsWith("Команда 16"))
        << link->person.panel(StatusPanel::Transient).toStdString();
    EXPECT_EQ(messageTimers, 1);
    EXPECT_FALSE(QFile::exists(reportFile()));
    EXPECT_EQ(windows.outputDialogs, 0);
}

TEST_F(DailyReportsOnSimulator, AReportThatCannotBeSavedIsStillOffered)
{
    start();
    windows.day = LastDayOf2008;
    const FailingSaves failing({SaveFault::Step::Commit, 1, "rep081231.srt"});
    create();

    ASSERT_EQ(link->person.messages().size(), 1);
    EXPECT_EQ(link->person.messages()[0].line1, "Ошибка создания файла.");
    EXPECT_EQ(link->person.messages()[0].line2, "Данные для создания отчета не сохранены");
    EXPECT_FALSE(QFile::exists(reportFile()));
    EXPECT_EQ(windows.outputDialogs, 1);
}

TEST_F(DailyReportsOnSimulator, CancellingTheDayAsksTheControllerNothing)
{
    start();
    create();
    EXPECT_EQ(windows.shownBounds.size(), 1);
    EXPECT_TRUE(dayRequests().isEmpty());
    EXPECT_EQ(windows.outputDialogs, 0);
}

TEST_F(DailyReportsOnSimulator, AFileOfTheLengthOfAReportWithRealDatesIsOfferedWhateverElseItHolds)
{
    dir.write("REPORT/any.srt", reportOf({8, 12, 31, 9, 0, 9, 1, 1, 9, 0}));
    printFile(dir.file("REPORT/any.srt"));

    ASSERT_EQ(person.fileChoices().size(), 1);
    const FileChoice& choice = person.fileChoices()[0];
    EXPECT_EQ(choice.title, "Выбор файла отчета");
    EXPECT_EQ(choice.directory, directory.reports());
    EXPECT_EQ(choice.chosenFilter, "DataFiles(*.srt)");
    EXPECT_TRUE(person.messages().isEmpty());
    EXPECT_EQ(windows.outputDialogs, 1);
}

TEST_F(DailyReportsOnSimulator, FilesThatAreNoReportsAreRefused)
{
    const QByteArray report = reportOf({8, 12, 31, 9, 0, 9, 1, 1, 9, 0});
    dir.write("REPORT/short.srt", report.left(911));
    dir.write("REPORT/long.srt", report + 'x');
    dir.write("REPORT/month13.srt", reportOf({8, 13, 31, 9, 0, 9, 1, 1, 9, 0}));
    for (const QString name : {"short.srt", "long.srt", "month13.srt"})
        printFile(dir.file("REPORT/" + name));
    printFile(dir.file("REPORT/missing.srt"));

    ASSERT_EQ(person.messages().size(), 4);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
    EXPECT_EQ(person.messages()[0].line1, "Файл short.srt не является");
    EXPECT_EQ(person.messages()[0].line2, "файлом отчета");
    EXPECT_EQ(person.messages()[1].line1, "Файл long.srt не является");
    EXPECT_EQ(person.messages()[2].line1, "Файл month13.srt не является");
    EXPECT_EQ(person.messages()[3].kind, MessageKind::Error);
    EXPECT_EQ(person.messages()[3].line1, "Ошибка открытия файла");
    EXPECT_EQ(windows.outputDialogs, 0);
}
