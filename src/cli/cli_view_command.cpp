#include "cli/cli_view_command.h"

#include "archives/archive_csv.h"
#include "archives/archive_file.h"
#include "archives/archive_table.h"
#include "cli/cli_log_commands.h"
#include "reports/archive_printout.h"
#include "reports/archive_workbook.h"
#include "reports/document_painter.h"
#include "reports/organisation_title.h"
#include "settings/work_directory.h"

#include <QFile>
#include <QFileInfo>

std::optional<ArchiveKind> fileArchive(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        if (const auto kind = ArchiveFileHeader::fromBytes(file.read(ArchiveFileHeader::Size)).archiveKind())
            return kind;
    const QString extension = QLatin1Char('.') + QFileInfo(path).suffix();
    for (const ArchiveKind kind : archiveKinds())
        if (extension.compare(QLatin1String(archiveKindInfo(kind).extension), Qt::CaseInsensitive) == 0)
            return kind;
    return std::nullopt;
}

namespace {

// The log a file is named for by its extension, as the file command of each
// log opens only its own files; else the log its header's signature names.
std::optional<LogKind> fileLog(const QString& path)
{
    const QList<LogKind> logs{LogKind::Interventions, LogKind::Diagnostics};
    const QString extension = QLatin1Char('.') + QFileInfo(path).suffix();
    for (const LogKind kind : logs)
        if (extension.compare(QLatin1String(logKindInfo(kind).extension), Qt::CaseInsensitive) == 0)
            return kind;
    QFile file(path);
    const QByteArray signature = file.open(QIODevice::ReadOnly) ? file.read(3) : QByteArray();
    for (const LogKind kind : logs)
        if (signature == logKindInfo(kind).signature)
            return kind;
    return std::nullopt;
}

// False, with the reason on `errors`, when the file could not be written.
bool savedOrSaid(const SaveResult& saved, QTextStream& errors)
{
    if (saved.failed())
        errors << "view: " << saved.path << ": " << saved.reason << '\n';
    return !saved.failed();
}

} // namespace

int runViewCommand(const CliOptions& options, const WorkDirectory& directory, QTextStream& out, QTextStream& errors)
{
    if (const std::optional<LogKind> log = fileLog(options.file))
        return viewLogCommand(*log, options, out, errors);
    const std::optional<ArchiveKind> kind = fileArchive(options.file);
    if (!kind) {
        errors << "view: " << options.file
               << " is no archive data or log file (.mch .hch .dch .mwm .hwm .dwm .aud .ala)\n";
        return 1;
    }
    if (!options.xlsx.isEmpty() && archiveKindInfo(*kind).device != ArchiveDevice::Chromatograph) {
        errors << "view: --xlsx is for chromatograph archives (.mch .hch .dch); " << options.file
               << " holds moisture-meter data\n";
        return 1;
    }
    const auto read = readArchiveFile(*kind, options.file);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        errors << problem->line1 << '\n';
        if (!problem->line2.isEmpty())
            errors << problem->line2 << '\n';
        return 1;
    }
    const ArchiveFile& file = std::get<ArchiveFile>(read);
    const ReportSettings settings = ReportSettings::load(directory.reportSettingsFile());
    const auto table = ArchiveTable::of(file, settings);
    if (!options.csv.isEmpty() && !savedOrSaid(replaceFile(options.csv, {archiveCsv(*table)}), errors))
        return 1;
    if (!options.xlsx.isEmpty() && !savedOrSaid(saveArchiveWorkbook(*table, options.xlsx, [](int) {}), errors))
        return 1;
    if (!options.pdf.isEmpty()) {
        const QByteArray pdf = documentPdf(
            archivePrintout(file, *table, settings, OrganisationTitle::read(OrganisationTitle::filePath(directory))));
        if (pdf.isEmpty()) {
            errors << "view: " << options.pdf << ": Ошибка печати данных\n";
            return 1;
        }
        if (!savedOrSaid(replaceFile(options.pdf, {pdf}), errors))
            return 1;
    }
    out << table->caption() << '\n';
    if (!table->methodLabel().isEmpty())
        out << table->methodLabel().trimmed() << '\n';
    return 0;
}
