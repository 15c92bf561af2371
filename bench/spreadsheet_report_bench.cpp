// How long the spreadsheet reports take to write from their templates: the
// month report of a whole month (31 days, the means of the heats) and the day
// report of 24 hours and the day, each from the record lines to the file in its
// place. The operator waits for them behind "Выполняется формирование".
//
// Usage: spreadsheet_report_bench TEMPLATE_FOLDER [RUNS]   (best of RUNS, default 5)

#include "bench_records.h"
#include "reports/spreadsheet_report_writer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// A moisture-meter line: start, end hour, status 0, four values, checksum.
QByteArray wmtLine(int day, int hour)
{
    QByteArray record;
    for (const int byte : {26, 3, day, hour, 0, 0, hour + 1, 0, 0, 0})
        record.append(static_cast<char>(byte));
    for (const float value : {-12.5f, -8.25f, 40.0f + static_cast<float>(hour) * 0.1f, -20.75f}) {
        char le[4];
        qToLittleEndian(std::bit_cast<std::uint32_t>(value), le);
        record.append(le, 4);
    }
    appendCrc16(record);
    return record;
}

SpreadsheetReport report(SpreadsheetReportKind kind)
{
    SpreadsheetReport report;
    report.kind = kind;
    const int lines = kind == SpreadsheetReportKind::Day ? 24 : 31;
    for (int line = 0; line < lines; ++line) {
        const int day = kind == SpreadsheetReportKind::Day ? 15 : line + 1;
        const int hour = kind == SpreadsheetReportKind::Day ? line : 9;
        report.chromLines.emplace_back(BenchRecords::withGasValues({26, 3, day, hour, 0, 0, hour + 1, 0, 0, 0}, line));
        report.wmtLines.emplace_back(wmtLine(day, hour));
    }
    if (kind == SpreadsheetReportKind::Day) {
        report.chromDay.emplace_back(BenchRecords::withGasValues({26, 3, 15, 9, 0, 0, 0x89, 0, 0, 0}, 0));
        report.wmtDay.emplace_back(wmtLine(15, 9));
    }
    return report;
}

// The best time of `runs` reports of the kind, in milliseconds; negative when one failed.
double bestMilliseconds(const QString& templates, SpreadsheetReportKind kind, int runs, const QString& output)
{
    const SpreadsheetReport lines = report(kind);
    const QString templatePath = QDir(templates).filePath(spreadsheetTemplateName(kind));
    qint64 bestNs = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (writeSpreadsheetReport(templatePath, lines, output).status != WorkbookStatus::Saved)
            return -1;
        bestNs = std::min(bestNs, timer.nsecsElapsed());
    }
    return static_cast<double>(bestNs) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: spreadsheet_report_bench TEMPLATE_FOLDER [RUNS]\n";
        return 2;
    }
    const QString templates = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QTemporaryDir dir;
    const double month =
        bestMilliseconds(templates, SpreadsheetReportKind::Month, runs, dir.filePath(QStringLiteral("month.xlsx")));
    const double day =
        bestMilliseconds(templates, SpreadsheetReportKind::Day, runs, dir.filePath(QStringLiteral("day.xlsx")));
    if (month < 0 || day < 0) {
        QTextStream(stderr) << "a report could not be written from the templates in " << templates << "\n";
        return 1;
    }
    QTextStream(stdout) << "month report (31 days and the means): " << QString::number(month, 'f', 1) << " ms\n"
                        << "day report (24 hours and the day): " << QString::number(day, 'f', 1) << " ms\n"
                        << "(best of " << runs << "; peak memory "
                        << QString::number(static_cast<double>(BenchRecords::peakMemoryKb()) / 1024, 'f', 1)
                        << " MB)\n";
    return 0;
}
