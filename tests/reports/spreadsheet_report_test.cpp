#include "archives/record_bytes.h"
#include "reports/spreadsheet_month_means.h"
#include "reports/spreadsheet_report_writer.h"
#include "reports/spreadsheet_template_location.h"
#include "support/failing_saves.h"
#include "support/temp_workdir.h"
#include "support/workbook_reader.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const QString TemplateDir = QStringLiteral(GQC_REPORT_TEMPLATE_DIR);

// A chromatograph line of hour `hour` of the day: methane `methane`, the heats
// 36.0 (Hi), 37.0 (Hs), 48.0 (Wobbe), the other slots p + 0.5.
ChromIntervalRecord chromLine(int day, int hour, float methane = 90.25f, std::uint8_t status = 0, float hs = 37.0f)
{
    GasParams values = RecordBytes::gasValues();
    values[GasSlot::Methane] = methane;
    values[GasSlot::InferiorHeat] = 36.0f;
    values[GasSlot::SuperiorHeat] = hs;
    values[GasSlot::WobbeIndex] = 48.0f;
    return ChromIntervalRecord(RecordBytes::chromInterval(
        bytes({26, 3, static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(hour), 0, 0}),
        static_cast<std::uint8_t>(hour + 1), status, values));
}

// A moisture-meter line: WDP −12.5, HDP −8.25, 40 bar, reduced WDP −20.75.
WmtIntervalRecord wmtLine(int day, int hour, std::uint8_t status = 0)
{
    return WmtIntervalRecord(
        RecordBytes::wmtMean(bytes({26, 3, static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(hour), 0, 0}),
                             static_cast<std::uint8_t>(hour + 1), status, {-12.5f, -8.25f, 40.0f, -20.75f}));
}

ChromIntervalRecord damaged(const ChromIntervalRecord& line)
{
    return ChromIntervalRecord(RecordBytes::damaged(line.bytes()));
}

QString cell(const QString& column, int row)
{
    return column + QString::number(row);
}

float number(const WorkbookSheet& sheet, const QString& reference)
{
    return static_cast<float>(sheet.cells.value(reference).toObject().value(QStringLiteral("value")).toDouble());
}

QStringList texts(const WorkbookSheet& sheet, const QStringList& columns, int row)
{
    QStringList found;
    for (const QString& column : columns)
        found << sheet.text(cell(column, row));
    return found;
}

// Columns B to W: the chromatograph's values.
const QStringList ChromColumns = [] {
    QStringList columns;
    for (char c = 'B'; c <= 'W'; ++c)
        columns << QString(QChar(c));
    return columns;
}();
const QStringList WmtColumns{"X", "Y", "Z", "AA"};

class SpreadsheetReportFile : public ::testing::Test {
protected:
    QString templatePath(SpreadsheetReportKind kind) const
    {
        return QDir(TemplateDir).filePath(spreadsheetTemplateName(kind));
    }

    WorkbookSheet written(const SpreadsheetReport& report)
    {
        const WorkbookResult result = writeSpreadsheetReport(templatePath(report.kind), report, output);
        EXPECT_EQ(result.status, WorkbookStatus::Saved) << result.reason.toStdString();
        const WorkbookSheet sheet = readWorkbook(output);
        EXPECT_TRUE(sheet.problem.isEmpty()) << sheet.problem.toStdString();
        return sheet;
    }

    SpreadsheetReport threeHours() const
    {
        SpreadsheetReport report;
        for (int hour = 9; hour < 12; ++hour) {
            report.chromLines.push_back(chromLine(15, hour));
            report.wmtLines.push_back(wmtLine(15, hour));
        }
        report.chromDay.push_back(chromLine(15, 9));
        report.wmtDay.push_back(wmtLine(15, 9, WmtIntervalRecord::NoMeterLink));
        return report;
    }

    TempWorkdir dir;
    QString output = dir.file(QStringLiteral("КС-1_day_260315.xlsx"));
};

} // namespace

TEST_F(SpreadsheetReportFile, ADayOfThreeHoursWritesThePeriodThoseRowsAndTheDay)
{
    const WorkbookSheet sheet = written(threeHours());

    EXPECT_EQ(sheet.text("V4"), "За період з 15.03.26 09:00  по  15.03.26 11:00");
    EXPECT_EQ(texts(sheet, {"A"}, 10), QStringList{"15.03.26  09:00"});
    EXPECT_EQ(sheet.text("A12"), "15.03.26  11:00");
    EXPECT_EQ(number(sheet, "B10"), 90.25f) << "methane first";
    EXPECT_EQ(number(sheet, "C10"), 10.5f) << "then ethane";
    EXPECT_EQ(number(sheet, "J10"), 0.5f) << "hexanes in column 10";
    EXPECT_EQ(number(sheet, "K10"), 17.5f) << "oxygen in column 11";
    EXPECT_EQ(number(sheet, "N10"), 12.5f) << "density";
    EXPECT_EQ(number(sheet, "O10"), static_cast<float>(36.0 * 239.08));
    EXPECT_EQ(number(sheet, "P10"), 36.0f);
    EXPECT_EQ(number(sheet, "T10"), 10.277786f) << "37.0 MJ in kWh";
    EXPECT_EQ(number(sheet, "U10"), static_cast<float>(48.0 * 239.08)) << "the Wobbe index";
    EXPECT_EQ(number(sheet, "X10"), -12.5f) << "WDP";
    EXPECT_EQ(number(sheet, "Y10"), -20.75f) << "WDP at 3.92 MPa";
    EXPECT_EQ(number(sheet, "Z10"), -8.25f) << "HDP";
    EXPECT_EQ(number(sheet, "AA10"), static_cast<float>(40.0 * 1.019716213)) << "bar as kgf/cm2";
    EXPECT_EQ(number(sheet, "AB10"), 16.5f) << "gas temperature";

    for (int row = 13; row <= 33; ++row)
        EXPECT_EQ(texts(sheet, QStringList{"A", "B", "X", "AB"}, row), QStringList({"", "", "", ""}))
            << "row " << row << " stays as the template has it";
    EXPECT_EQ(sheet.text("A34"), "За сутки") << "the day's label is the template's";
    EXPECT_EQ(number(sheet, "B34"), 90.25f);
    EXPECT_EQ(texts(sheet, WmtColumns, 34), QStringList({"--", "--", "--", "--"})) << "no link to the meter";
}

TEST_F(SpreadsheetReportFile, WrittenCellsKeepTheTemplatesLooksAndTheTemplateStaysAsItWas)
{
    QFile original(templatePath(SpreadsheetReportKind::Day));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray templateBytes = original.readAll();
    original.close();
    const WorkbookSheet sheet = written(threeHours());

    EXPECT_EQ(sheet.style("B10", "format"), "0.000");
    EXPECT_EQ(sheet.style("O10", "format"), "0");
    EXPECT_EQ(sheet.style("AA10", "format"), "0.00");
    EXPECT_EQ(sheet.thinSides("B10"), "LRTB");
    EXPECT_EQ(sheet.thinSides("A10"), "LRTB");
    EXPECT_EQ(sheet.style("B34", "font"), "Times New Roman");
    EXPECT_EQ(sheet.text("A1"), "Паспорт ККГ показателей за сутки");
    EXPECT_TRUE(sheet.mergedRanges.contains("A5:A9"));

    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), templateBytes);
}

TEST_F(SpreadsheetReportFile, LinesWithoutAnAnalysisShowDashes)
{
    SpreadsheetReport report;
    report.chromLines = {chromLine(15, 9, 0.0005f), chromLine(15, 10, 90.0f, ChromIntervalRecord::SwitchedOff),
                         damaged(chromLine(15, 11)), chromLine(15, 12, NAN),
                         chromLine(15, 13, 90.0f, ChromIntervalRecord::NoHmuLink)};
    report.wmtLines = {wmtLine(15, 9, WmtIntervalRecord::SwitchedOff),
                       WmtIntervalRecord(RecordBytes::damaged(wmtLine(15, 10).bytes())), wmtLine(15, 11),
                       wmtLine(15, 12), wmtLine(15, 13)};
    const WorkbookSheet sheet = written(report);
    const QStringList dashes(ChromColumns.size(), QStringLiteral("--"));

    for (int row = 10; row <= 14; ++row)
        EXPECT_EQ(texts(sheet, ChromColumns, row), dashes) << "row " << row;
    EXPECT_EQ(sheet.text("AB10"), "") << "methane below 0.001: no temperature written";
    EXPECT_EQ(sheet.text("AB11"), "--") << "switched off";
    EXPECT_EQ(sheet.text("AB12"), "--") << "a damaged line";
    EXPECT_EQ(sheet.text("AB14"), "") << "no link to the HMU";
    EXPECT_EQ(texts(sheet, WmtColumns, 10), QStringList({"--", "--", "--", "--"})) << "meter switched off";
    EXPECT_EQ(texts(sheet, WmtColumns, 11), QStringList({"--", "--", "--", "--"})) << "a damaged meter line";
    EXPECT_EQ(number(sheet, "X12"), -12.5f);
    EXPECT_EQ(sheet.style("B10", "format"), "0.000") << "a dash keeps the cell's looks too";
}

TEST_F(SpreadsheetReportFile, AValueThatIsNoNumberIsADashWhileTheRestOfTheLineIsShown)
{
    SpreadsheetReport report;
    GasParams values = RecordBytes::gasValues();
    values[GasSlot::Density] = INFINITY;
    report.chromLines = {ChromIntervalRecord(RecordBytes::chromInterval(bytes({26, 3, 15, 9, 0, 0}), 10, 0, values))};
    const WorkbookSheet sheet = written(report);

    EXPECT_EQ(sheet.text("N10"), "--");
    EXPECT_EQ(number(sheet, "B10"), 8.5f);
}

TEST_F(SpreadsheetReportFile, AMonthStartsAtTheRowOfItsFirstDayAndAveragesTheHeatsOfTheShownDays)
{
    SpreadsheetReport report;
    report.kind = SpreadsheetReportKind::Month;
    report.chromLines = {chromLine(5, 0, 90.0f, 0, 37.0f), chromLine(6, 0, 0.0005f, 0, 100.0f),
                         damaged(chromLine(7, 0, 90.0f, 0, 100.0f)), chromLine(8, 0, 90.0f, 0, 38.0f)};
    for (int day = 5; day <= 8; ++day)
        report.wmtLines.push_back(wmtLine(day, 0));
    output = dir.file(QStringLiteral("КС-1_mon_2603.xlsx"));
    const WorkbookSheet sheet = written(report);

    EXPECT_EQ(sheet.text("V4"), "За період з 05.03.26 по  08.03.26");
    EXPECT_EQ(sheet.text("A14"), "5") << "the template's day numbers stay";
    EXPECT_EQ(number(sheet, "B14"), 90.0f) << "day 5 in row 9 + 5";
    EXPECT_EQ(sheet.text("B15"), "--");
    EXPECT_EQ(sheet.text("B16"), "--");
    EXPECT_EQ(number(sheet, "S17"), 38.0f);
    EXPECT_EQ(sheet.text("B13"), "") << "days before the first stay empty";

    EXPECT_EQ(number(sheet, "S41"), 37.5f) << "the dashed and the damaged days are left out";
    EXPECT_EQ(number(sheet, "R41"), static_cast<float>(37.5 * 239.08));
    EXPECT_EQ(number(sheet, "T41"), static_cast<float>(37.5 * 0.277778));
    EXPECT_EQ(number(sheet, "P41"), 36.0f) << "Hi";
    EXPECT_EQ(sheet.text("B41"), "") << "only the heats are averaged on the sheet";
}

TEST_F(SpreadsheetReportFile, LinesBeyondTheSheetsRowsNeverOverwriteTheDayOrTheMeans)
{
    SpreadsheetReport day;
    for (int hour = 0; hour < 24; ++hour)
        day.chromLines.push_back(chromLine(15, hour, 80.0f));
    day.chromLines.push_back(chromLine(16, 0, 80.0f));
    day.chromDay.push_back(chromLine(15, 0));
    const WorkbookSheet hours = written(day);
    EXPECT_EQ(hours.text("V4"), "За період з 15.03.26 00:00  по  15.03.26 23:00");
    EXPECT_EQ(hours.text("A33"), "15.03.26  23:00");
    EXPECT_EQ(hours.text("A34"), "За сутки");
    EXPECT_EQ(number(hours, "B34"), 90.25f) << "the day's own line";

    SpreadsheetReport month;
    month.kind = SpreadsheetReportKind::Month;
    month.chromLines = {chromLine(31, 0), chromLine(31, 1), chromLine(31, 2)};
    const WorkbookSheet days = written(month);
    EXPECT_EQ(number(days, "B40"), 90.25f);
    EXPECT_EQ(days.text("A41"), "Среднее");
    EXPECT_EQ(days.text("B41"), "");
}

TEST(SpreadsheetMonthMeans, AreTakenOverTheShownDaysAndTheirNumbersOnly)
{
    GasParams values = RecordBytes::gasValues();
    values[GasSlot::Methane] = 90.0f;
    values[GasSlot::Density] = NAN;
    const ChromIntervalRecord withoutDensity(RecordBytes::chromInterval(bytes({26, 3, 1, 0, 0, 0}), 0x80, 0, values));
    values[GasSlot::Density] = 0.75f;
    values[GasSlot::Methane] = 92.0f;
    const ChromIntervalRecord whole(RecordBytes::chromInterval(bytes({26, 3, 2, 0, 0, 0}), 0x80, 0, values));
    const ChromIntervalRecord noLink = chromLine(3, 0, 10.0f, ChromIntervalRecord::NoHmuLink);

    const GasParams means = spreadsheetMonthMeans({withoutDensity, whole, noLink});
    EXPECT_EQ(means[GasSlot::Methane], 91.0f);
    EXPECT_EQ(means[GasSlot::Density], 0.75f) << "a density that is no number is left out, not the day";
    EXPECT_EQ(spreadsheetMonthMeans({noLink, chromLine(4, 0, 0.0005f)}), GasParams{}) << "no day shown: all 0";
}

TEST_F(SpreadsheetReportFile, AFailedSaveKeepsTheOldReportAndLeavesNoTemporaryFile)
{
    dir.write(QFileInfo(output).fileName(), "the old report");
    {
        const FailingSaves failing({SaveFault::Step::Commit, 1, {}});
        const WorkbookResult result =
            writeSpreadsheetReport(templatePath(SpreadsheetReportKind::Day), threeHours(), output);
        EXPECT_EQ(result.status, WorkbookStatus::NotSaved);
    }
    EXPECT_EQ(dir.read(QFileInfo(output).fileName()), "the old report");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(output).fileName()});

    const QString nowhere = dir.file(QStringLiteral("REPORT/missing/КС-1_day_260315.xlsx"));
    EXPECT_EQ(writeSpreadsheetReport(templatePath(SpreadsheetReportKind::Day), threeHours(), nowhere).status,
              WorkbookStatus::NotSaved);
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST_F(SpreadsheetReportFile, AnUnreadableTemplateWritesNothing)
{
    QFile original(templatePath(SpreadsheetReportKind::Day));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray whole = original.readAll();
    dir.write(QFileInfo(output).fileName(), "the old report");
    const QList<QByteArray> broken{whole.left(whole.size() / 2), whole.left(whole.size() - 1), "PK\3\4 garbage",
                                   QByteArray(), whole.left(30) + QByteArray(whole.size() - 30, 'x')};
    for (const QByteArray& bytes : broken) {
        dir.write(QStringLiteral("broken.xlsx"), bytes);
        const WorkbookResult result = writeSpreadsheetReport(dir.file("broken.xlsx"), threeHours(), output);
        EXPECT_EQ(result.status, WorkbookStatus::TemplateUnreadable) << bytes.size() << " bytes";
        EXPECT_EQ(dir.read(QFileInfo(output).fileName()), "the old report");
    }
    EXPECT_EQ(writeSpreadsheetReport(dir.file("absent.xlsx"), threeHours(), output).status,
              WorkbookStatus::TemplateUnreadable);
}

TEST(SpreadsheetReportFileName, NamesTheObjectTheKindAndTheDate)
{
    EXPECT_EQ(spreadsheetReportFileName(SpreadsheetReportKind::Day, "ГРС Южная", {26, 3, 5}),
              "ГРС Южная_day_260305.xlsx");
    EXPECT_EQ(spreadsheetReportFileName(SpreadsheetReportKind::Month, "ГРС Южная", {26, 3, 1}),
              "ГРС Южная_mon_2603.xlsx");
    EXPECT_EQ(spreadsheetTemplateName(SpreadsheetReportKind::Day), "day_report_title.xlsx");
    EXPECT_EQ(spreadsheetTemplateName(SpreadsheetReportKind::Month), "mon_report_title.xlsx");
}

TEST(SpreadsheetReportFileName, RefusesANameThatCouldLeaveTheReportFolder)
{
    for (const QString& name : QStringList{"a/b", "a\\b", "..", "x..y", "tab\there", "a<b", "a>b", "a:b", "a\"b", "a|b",
                                           "a?b", "a*b", QString(QChar(0x7F))})
        EXPECT_EQ(spreadsheetReportFileName(SpreadsheetReportKind::Day, name, {26, 3, 5}), std::nullopt)
            << name.toStdString();
    EXPECT_NE(spreadsheetReportFileName(SpreadsheetReportKind::Day, "КС-1 (нитка 2). Ввод", {26, 3, 5}), std::nullopt);
}

TEST(SpreadsheetTemplateLocation, TheWorkingDirectoryWinsOverTheProgramsOwnAndTheInstalledOne)
{
    TempWorkdir root;
    const QString work = root.file("work"), program = root.file("prefix/bin");
    root.write("prefix/share/gqc_monitor/day_report_title.xlsx", "installed");
    root.write("prefix/bin/gqc_monitor", "");
    root.write("work/other.txt", "");
    const auto found = [&] { return findSpreadsheetTemplate(SpreadsheetReportKind::Day, work, program); };

    EXPECT_EQ(found(), QDir::cleanPath(root.file("prefix/share/gqc_monitor/day_report_title.xlsx")));
    root.write("prefix/bin/day_report_title.xlsx", "beside the program");
    EXPECT_EQ(found(), root.file("prefix/bin/day_report_title.xlsx"));
    root.write("work/day_report_title.xlsx", "the station's own");
    EXPECT_EQ(found(), root.file("work/day_report_title.xlsx"));
    EXPECT_EQ(findSpreadsheetTemplate(SpreadsheetReportKind::Month, work, program), std::nullopt);
}
