// A report template as it may be found beside the program: any bytes.
// Input: byte 0 chooses what the rest is (value mod 3): 0 the template file;
// 1 the active sheet's part, 2 the workbook part, each packed into a template
// whose other parts are sound (a zip archive's checksums would otherwise keep
// every changed part from ever being parsed). A day report of three hours is
// written from it; either the template is refused and no report file appears,
// or the report is saved and is a workbook that opens again as one.
#include "archives/chrom_interval_record.h"
#include "archives/wmt_interval_record.h"
#include "crc/crc16.h"
#include "reports/spreadsheet_report_writer.h"
#include "reports/workbook_template.h"
#include "reports/zip_entries.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

#include <QFile>

namespace {

enum class Input { Template, SheetPart, WorkbookPart };

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

// A workbook of one sheet with the given workbook and sheet parts.
QByteArray packedTemplate(const QByteArray& workbook, const QByteArray& sheet)
{
    const std::vector<ZipEntry> entries{
        {"[Content_Types].xml", R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)"},
        {"_rels/.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
         "</Relationships>"},
        {"xl/workbook.xml", workbook},
        {"xl/_rels/workbook.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
         R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain" Target="calcChain.xml"/>)"
         "</Relationships>"},
        {"xl/worksheets/sheet1.xml", sheet},
        {"xl/calcChain.xml", "<calcChain/>"}};
    QString reason;
    return zipEntries(entries, reason).value_or(QByteArray());
}

QByteArray templateOf(Input input, const QByteArray& rest)
{
    static const QByteArray workbook =
        R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<sheets><sheet name="R" sheetId="1" r:id="rId1"/></sheets></workbook>)";
    static const QByteArray sheet =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData/></worksheet>)";
    switch (input) {
    case Input::SheetPart:
        return packedTemplate(workbook, rest);
    case Input::WorkbookPart:
        return packedTemplate(rest, sheet);
    case Input::Template:
        break;
    }
    return rest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const SpreadsheetReport report = threeHours();
    const auto input = static_cast<Input>(data[0] % 3);
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const QString templatePath = writeScratchFile(QStringLiteral("template.xlsx"), templateOf(input, rest));
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
