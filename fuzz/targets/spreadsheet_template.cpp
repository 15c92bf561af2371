// A report template as it may be found beside the program: any bytes.
// Input: the template file. A day report of three hours is written from it;
// either the template is refused and no report file appears, or the report is
// saved and is a workbook that opens again as one.
#include "archives/chrom_interval_record.h"
#include "archives/wmt_interval_record.h"
#include "crc/crc16.h"
#include "reports/spreadsheet_report_writer.h"
#include "reports/workbook_template.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <QFile>

namespace {

// An hour's line of `size` bytes: the hour in its stamp, `fill` in every value byte, its checksum.
QByteArray hourLine(int size, int hour, char fill, std::uint8_t status)
{
    const char head[] = {
        26, 3, 15, static_cast<char>(hour), 0, 0, static_cast<char>(hour + 1), 0, 0, static_cast<char>(status)};
    QByteArray line = QByteArray(head, sizeof head) + QByteArray(size - 2 - qsizetype(sizeof head), fill);
    appendCrc16(line);
    return line;
}

SpreadsheetReport threeHours()
{
    SpreadsheetReport report;
    for (int hour = 9; hour < 12; ++hour) {
        report.chromLines.emplace_back(hourLine(ChromIntervalRecord::Size, hour, 0x42, 0));
        report.wmtLines.emplace_back(hourLine(WmtIntervalRecord::Size, hour, 0x41, hour == 10 ? 0x04 : 0));
    }
    report.chromDay.emplace_back(hourLine(ChromIntervalRecord::Size, 9, 0x7F, 0)); // values that are no numbers
    report.wmtDay.emplace_back(hourLine(WmtIntervalRecord::Size, 9, 0x41, 0));
    return report;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SpreadsheetReport report = threeHours();
    const QString templatePath =
        writeScratchFile(QStringLiteral("template.xlsx"), QByteArrayView(reinterpret_cast<const char*>(data), size));
    const QString output = scratchPath(QStringLiteral("report.xlsx"));
    QFile::remove(output);

    const WorkbookResult result = writeSpreadsheetReport(templatePath, report, output);
    if (result.status != WorkbookStatus::Saved) {
        fuzzCheck(!QFile::exists(output), "a report not saved leaves no file");
        return 0;
    }
    QString reason;
    fuzzCheck(WorkbookTemplate::open(readWholeFile(output), reason).has_value(),
              "a saved report is a workbook that opens again");
    return 0;
}
