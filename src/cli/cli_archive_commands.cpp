#include "cli/cli_archive_commands.h"

#include "app/basic_data.h"
#include "app/served_controller.h"
#include "archives/archive_bounds_query.h"
#include "archives/archive_csv.h"
#include "archives/archive_reading.h"
#include "archives/archive_stamps.h"
#include "archives/archive_table.h"
#include "archives/moment_period_guard.h"
#include "base/table_numbers.h"
#include "settings/work_directory.h"
#include "tables/identification.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char*, ArchiveKind>, 6> KindNames{{
    {"chrom-5min", ArchiveKind::ChromFiveMinute},
    {"chrom-hour", ArchiveKind::ChromHourly},
    {"chrom-day", ArchiveKind::ChromDaily},
    {"wmt-5min", ArchiveKind::WmtFiveMinute},
    {"wmt-hour", ArchiveKind::WmtHourly},
    {"wmt-day", ArchiveKind::WmtDaily},
}};

} // namespace

void printProblem(const InputProblem& problem, QTextStream& errors)
{
    errors << problem.line1;
    if (!problem.line2.isEmpty())
        errors << ' ' << problem.line2;
    errors << '\n';
}

bool servedControllerIdentified(RequestLayer& layer, QTextStream& errors)
{
    if (!layer.readFields({TableNumber::Identification, 0, Identification::Size}, false)) {
        errors << layer.failure() << '\n';
        return false;
    }
    if (const InputCheck refusal =
            servedControllerCheck(Identification(layer.context().image.table(TableNumber::Identification)))) {
        printProblem(*refusal, errors);
        return false;
    }
    return true;
}

std::optional<ArchiveKind> archiveKindNamed(const QString& name)
{
    for (const auto& [text, kind] : KindNames)
        if (name == QLatin1String(text))
            return kind;
    return std::nullopt;
}

int readArchiveCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                       QTextStream& errors)
{
    ComponentSlotMap slotMap;
    if (!servedControllerIdentified(layer, errors) || !readBasicData(layer, slotMap))
        return 1;
    const PeriodMode mode = archiveKindInfo(options.archiveKind).periodMode;
    const std::optional<ArchiveBoundsQuery> query = queryArchiveBounds(layer, mode);
    if (!query)
        return 1;
    const Period typed{truncatedTo(mode, options.periodFrom), truncatedTo(mode, options.periodTo)};
    const PeriodAcceptance accepted = acceptPeriod(mode, typed, query->bounds);
    if (accepted.problem) {
        printProblem(*accepted.problem, errors);
        return 1;
    }
    Period period = accepted.period;
    if (mode == PeriodMode::FiveMinute) {
        period = {fiveMinuteSlot(period.start), fiveMinuteSlot(period.end)};
        if (!guardMomentPeriod(layer, *query, period, waitWhilePumping(layer.context().person)))
            return 1;
    }

    const std::optional<ArchiveFile> file =
        readArchivePeriod(layer.context(), {.kind = options.archiveKind,
                                            .period = period,
                                            .temporaryFile = directory.temporaryArchiveFile(),
                                            .pcClock = [] { return QDateTime::currentDateTime(); }});
    if (!file) {
        errors << "read-archive: no records read\n";
        return 1;
    }
    const SaveResult saved = writeArchiveFile(options.file, *file);
    if (saved.failed()) {
        errors << "Ошибка записи файла " << options.file << ": " << saved.reason << '\n';
        return 1;
    }
    out << file->records.count() << " records written to " << options.file << '\n';
    if (options.csv.isEmpty())
        return 0;
    const auto table = ArchiveTable::of(*file, ReportSettings::load(directory.reportSettingsFile()));
    const SaveResult csvSaved = replaceFile(options.csv, {archiveCsv(*table)});
    if (csvSaved.failed()) {
        errors << "Ошибка записи файла " << options.csv << ": " << csvSaved.reason << '\n';
        return 1;
    }
    return 0;
}
