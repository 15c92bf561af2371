#include "cli/cli_report_commands.h"

#include "app/basic_data.h"
#include "app/day_report_commands.h"
#include "app/spreadsheet_report_commands.h"
#include "archives/archive_bounds_query.h"
#include "cli/cli_archive_commands.h"
#include "reports/document_painter.h"
#include "reports/report_day_choice.h"
#include "reports/spreadsheet_report_date.h"
#include "settings/work_directory.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// False, with the reason on `errors`, when the file could not be written.
bool savedOrSaid(const SaveResult& saved, QTextStream& errors)
{
    if (saved.failed())
        errors << "Ошибка записи файла " << saved.path << ": " << saved.reason << '\n';
    return !saved.failed();
}

// The document of the report kind of "repconf.ini" into the PDF file `path`.
bool writeDocumentPdf(const ReportDataFile& file, const WorkDirectory& directory, const ComponentSlotMap& slotMap,
                      const QString& path, QTextStream& errors)
{
    const ReportSettings settings = ReportSettings::load(directory.reportSettingsFile());
    const QByteArray pdf = documentPdf(dayReportDocument(file.report(), settings, slotMap));
    if (pdf.isEmpty()) {
        errors << "report: " << path << ": Ошибка печати данных\n";
        return false;
    }
    return savedOrSaid(replaceFile(path, {pdf}), errors);
}

// The report dialog of the command line: the object and the date it was given,
// checked against the day archive as the dialog checks them.
class GivenSpreadsheetChoice : public SpreadsheetReportWindows {
public:
    GivenSpreadsheetChoice(const CliOptions& options, QTextStream& errors) : options_(options), errors_(errors) {}

    std::optional<SpreadsheetReportChoice> chooseSpreadsheetReport(SpreadsheetReportKind kind,
                                                                   const ArchiveBounds& dayArchive) override
    {
        if (const InputCheck problem = checkReportChoice(kind, true, options_.spreadsheetDate, dayArchive)) {
            printProblem(*problem, errors_);
            return std::nullopt;
        }
        return SpreadsheetReportChoice{options_.objectName, reportDate(kind, options_.spreadsheetDate)};
    }
    void startMessageTimer() override {}

private:
    const CliOptions& options_;
    QTextStream& errors_;
};

} // namespace

int reportDayCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                     QTextStream& errors)
{
    ComponentSlotMap slotMap;
    if (!servedControllerIdentified(layer, errors) || !readBasicData(layer, slotMap))
        return 1;
    const std::optional<ArchiveBoundsQuery> query = queryArchiveBounds(layer, PeriodMode::Daily);
    if (!query)
        return 1;
    if (const InputCheck problem = reportDayProblem(options.reportDay, query->bounds)) {
        printProblem(*problem, errors);
        return 1;
    }
    const std::optional<ReportDataFile> file = readDayReportData(
        layer.context(), directory, static_cast<std::uint8_t>(query->extent.contractHour), options.reportDay);
    if (!file)
        return 1;
    QString path = options.file;
    if (path.isEmpty()) {
        // A working directory the desktop program never started in has no REPORT folder yet.
        QDir().mkpath(directory.reports());
        path = ReportDataFile::filePath(directory, options.reportDay);
    }
    if (!savedOrSaid(file->save(path), errors))
        return 1;
    out << "report data written to " << path << '\n';
    if (!options.pdf.isEmpty() && !writeDocumentPdf(*file, directory, slotMap, options.pdf, errors))
        return 1;
    return 0;
}

int reportPrintCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream&, QTextStream& errors)
{
    const auto read = ReportDataFile::read(options.file);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        printProblem(*problem, errors);
        return 1;
    }
    return writeDocumentPdf(std::get<ReportDataFile>(read), directory, ComponentSlotMap(), options.pdf, errors) ? 0 : 1;
}

int reportSpreadsheetCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory,
                             QTextStream& errors)
{
    if (!servedControllerIdentified(layer, errors))
        return 1;
    // A working directory the desktop program never started in has no REPORT folder yet.
    QDir().mkpath(directory.reports());
    GivenSpreadsheetChoice windows(options, errors);
    return SpreadsheetReportCommands(layer.context(), windows, directory, QCoreApplication::applicationDirPath())
                   .make(options.spreadsheetKind)
               ? 0
               : 1;
}
