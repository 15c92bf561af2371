#include "cli_fixtures.h"
#include "support/pdf_text.h"

namespace {

class GqcCliReport : public GqcCliWithSimulator {
protected:
    void SetUp() override
    {
        GqcCliWithSimulator::SetUp();
        server->holdClock(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    }
};

TEST_F(GqcCliReport, ReportDayWritesTheReportDataFileAndItsDocument)
{
    const CliRun result = runOnSimulator({"report", "day", "--date", "2026-03-14", "--pdf", workdir.file("day.pdf")});

    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    const QByteArray report = workdir.read("REPORT/rep260314.srt");
    ASSERT_EQ(report.size(), 912);
    EXPECT_EQ(report.mid(822, 10), QByteArray::fromHex("1a030e0900"
                                                       "1a030f0900"));
    const QStringList pages = pdfPages(workdir.read("day.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("ГРС Северная")) << pages[0].toStdString();
}

TEST_F(GqcCliReport, ADayOutsideTheArchiveIsRefusedWithTheDialogsWords)
{
    const CliRun result = runOnSimulator({"report", "day", "--date", "2026-03-15", "-o", workdir.file("x.srt")});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("В архиве нет данных за указанные сутки")) << result.errors.toStdString();
    EXPECT_FALSE(QFile::exists(workdir.file("x.srt")));
}

TEST_F(GqcCliReport, SpreadsheetReportsAreMadeForAnyObjectAndReplacedOnlyWhenAsked)
{
    const CliRun day = runOnSimulator({"report", "xlsx-day", "--object", "Узел 7", "--date", "2026-03-14"});
    ASSERT_EQ(day.exitCode, 0) << day.errors.toStdString();
    EXPECT_TRUE(day.errors.contains("Данные сохранены в файле Узел 7_day_260314.xlsx"));

    const CliRun month = runOnSimulator({"report", "xlsx-month", "--object", "Узел 7", "--month", "2026-03"});
    ASSERT_EQ(month.exitCode, 0) << month.errors.toStdString();
    const QByteArray made = workdir.read("REPORT/Узел 7_mon_2603.xlsx");
    ASSERT_FALSE(made.isEmpty());

    const CliRun kept = runOnSimulator({"report", "xlsx-month", "--object", "Узел 7", "--month", "2026-03"});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_TRUE(kept.errors.contains("Файл отчета Узел 7_mon_2603.xlsx уже есть.")) << kept.errors.toStdString();
    const CliRun replaced =
        runOnSimulator({"report", "xlsx-month", "--object", "Узел 7", "--month", "2026-03", "--replace"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.errors.toStdString();

    EXPECT_EQ(run({"report", "xlsx-month", "--month", "2026-03"}).exitCode, 2) << "no object";
    EXPECT_EQ(run({"report", "xlsx-month", "--object", "A", "--month", "2026-13"}).exitCode, 2);
}

TEST_F(GqcCli, ReportPrintPrintsAReportFileAndRefusesAnyOtherFile)
{
    QByteArray report(912, '\0');
    report.replace(822, 10,
                   QByteArray::fromHex("080c1f0900"
                                       "0901010900"));
    workdir.write("rep081231.srt", report);
    workdir.write("other.srt", report.left(911));

    const CliRun printed = run({"report", "print", workdir.file("rep081231.srt"), "--pdf", workdir.file("r.pdf")});
    ASSERT_EQ(printed.exitCode, 0) << printed.errors.toStdString();
    EXPECT_EQ(pdfPages(workdir.read("r.pdf")).size(), 1);

    const CliRun refused = run({"report", "print", workdir.file("other.srt"), "--pdf", workdir.file("o.pdf")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains("Файл other.srt не является файлом отчета\n")) << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(workdir.file("o.pdf")));

    EXPECT_EQ(run({"report", "print", workdir.file("rep081231.srt")}).exitCode, 2) << "no --pdf";
    EXPECT_EQ(run({"report", "day", "--date", "2026-02-30", "--tcp", "127.0.0.1:1"}).exitCode, 2);
}

} // namespace
