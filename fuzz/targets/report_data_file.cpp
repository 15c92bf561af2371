// A report data file (.srt) as it may be found: any length, any bytes.
// Input: the file. Only exactly 912 bytes whose period ends are calendar days are
// a report, taken as they are; every text of the report stays within its field
// and the file written again reads back the same.
#include "reports/report_data_file.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"

namespace {

constexpr int NameSize = 20;
constexpr int SignatureLineSize = 50;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), size);
    const auto read = ReportDataFile::read(writeScratchFile(QStringLiteral("report.srt"), bytes));
    const auto* file = std::get_if<ReportDataFile>(&read);
    if (!file) {
        fuzzCheck(std::get<InputProblem>(read).line2 == QStringLiteral("файлом отчета"), "a refusal says why");
        return 0;
    }
    fuzzCheck(size == ReportDataFile::Size && file->bytes() == bytes, "a report is taken as it is");
    const DayReport report = file->report();
    const auto isDay = [](const DateStamp& stamp) {
        return QDate(2000 + stamp.year, stamp.month, stamp.day).isValid();
    };
    fuzzCheck(isDay(report.start) && isDay(report.end), "the period's ends are days of the calendar");
    fuzzCheck(report.controllerName.size() <= NameSize, "the name stays within its field");
    for (int line = 0; line < ReportTexts::SignatureLines; ++line)
        fuzzCheck(report.texts.signatureLine(line).size() <= SignatureLineSize,
                  "a signature line stays within its field");
    const QString copy = scratchPath(QStringLiteral("copy.srt"));
    fuzzCheck(!file->save(copy).failed() && readWholeFile(copy) == bytes, "the report written again is the same");
    return 0;
}
