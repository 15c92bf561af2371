#include "cli/cli_collect_station.h"

#include "app/basic_data.h"
#include "app/collection_state.h"
#include "app/log_commands.h"
#include "archives/archive_bounds_query.h"
#include "archives/archive_file_name.h"
#include "archives/archive_reading.h"
#include "archives/archive_stamps.h"
#include "archives/stamp_bytes.h"
#include "base/file_name_part.h"
#include "cli/cli_archive_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_report_commands.h"
#include "cli/collect_log_windows.h"
#include "cli/collect_summary.h"
#include "cli/console_operator.h"
#include "settings/work_directory.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr std::array<ArchiveKind, 4> CollectedArchives{ArchiveKind::ChromDaily, ArchiveKind::ChromHourly,
                                                       ArchiveKind::WmtDaily, ArchiveKind::WmtHourly};
constexpr std::array<LogKind, 2> CollectedLogs{LogKind::Interventions, LogKind::Diagnostics};
// A station's first run without --since goes back this far: enough for a
// month's reports, not the years an hourly archive could hold.
constexpr int FirstRunDays = 31;
constexpr int HoursOfDay = 24;
constexpr int CenturyBase = 2000;

QString stampName(const DateStamp& stamp)
{
    return QString::asprintf("%02d%02d%02d%02d", stamp.year, stamp.month, stamp.day, stamp.hour);
}

QDate dayOf(const DateStamp& stamp)
{
    return QDate(CenturyBase + stamp.year, stamp.month, stamp.day);
}

class StationRun {
public:
    StationRun(const CollectSetup& setup, const CollectStation& station, QTextStream& notes)
        : setup_(setup), station_(stationFolder(setup.directory, station.name)),
          statePath_(station_.root() + QStringLiteral("/collect.ini")), notes_(notes)
    {
        result_.name = station.name;
    }

    StationResult run(RequestLayer& layer, CollectionState& state)
    {
        const bool moistureMeter = layer.context().moistureMeter != 0;
        for (std::size_t i = 0; i < CollectedArchives.size() && result_.failure.isEmpty(); ++i)
            if (moistureMeter || archiveKindInfo(CollectedArchives[i]).device == ArchiveDevice::Chromatograph)
                fetchArchive(layer, state, i);
        for (std::size_t i = 0; i < CollectedLogs.size() && result_.failure.isEmpty(); ++i)
            fetchLog(layer, state, i);
        if (result_.failure.isEmpty())
            makeReports(layer, state);
        return result_;
    }

    StationResult failed(const QString& reason)
    {
        result_.failure = reason;
        return result_;
    }

    const QString& statePath() const { return statePath_; }

private:
    bool exchangeFailed(RequestLayer& layer)
    {
        const hgcbox& engine = layer.context().engine;
        if (engine.status() == ExchangeStatus::Done)
            return false;
        result_.failure = engine.message();
        return true;
    }

    bool saved(const CollectionState& state)
    {
        result_.failure = saveFailure(state.save(statePath_));
        return result_.failure.isEmpty();
    }

    // The first record of a station's first run.
    DateStamp firstRunStart(PeriodMode mode, const DateStamp& newest) const
    {
        const QDate since = setup_.options.since;
        if (since.isValid())
            return {since.year() - CenturyBase, since.month(), since.day(), 0, 0, 0};
        const int units = mode == PeriodMode::Daily ? FirstRunDays : FirstRunDays * HoursOfDay;
        return steppedBy(mode, newest, 1 - units);
    }

    void fetchArchive(RequestLayer& layer, CollectionState& state, std::size_t slot)
    {
        const ArchiveKind kind = CollectedArchives[slot];
        const ArchiveKindInfo& info = archiveKindInfo(kind);
        const PeriodMode mode = info.periodMode;
        const std::optional<ArchiveBoundsQuery> query = queryArchiveBounds(layer, mode);
        result_.archiveRecords[slot] = 0;
        if (!query) {
            exchangeFailed(layer); // else the archive holds nothing yet
            return;
        }
        const std::optional<DateStamp> last = state.lastRecord(kind);
        const DateStamp from = last ? steppedBy(mode, *last, 1) : firstRunStart(mode, query->bounds.newest);
        if (from > query->bounds.newest)
            return;
        const PeriodAcceptance accepted = acceptPeriod(mode, {from, query->bounds.newest}, query->bounds);
        if (accepted.problem)
            return;
        const std::optional<ArchiveFile> file = readArchivePeriod(
            layer.context(),
            {.kind = kind, .period = accepted.period, .temporaryFile = station_.temporaryArchiveFile(), .pcClock = [] {
                 return QDateTime::currentDateTime();
             }});
        if (file && file->records.count() > 0) {
            const ArchiveRecords& records = file->records;
            const auto stampOfRecord = [&](int index) {
                return truncatedTo(mode, stampAt(records.recordBytes(index), 0, FullStampLength));
            };
            const DateStamp newest = stampOfRecord(records.count() - 1);
            const QString folder = (station_.*info.folder)();
            QDir().mkpath(folder);
            const QString path =
                withArchiveExtension(kind, folder + '/' + stampName(stampOfRecord(0)) + '-' + stampName(newest));
            result_.failure = saveFailure(writeArchiveFile(path, *file));
            if (!result_.failure.isEmpty())
                return;
            result_.archiveRecords[slot] = records.count();
            state.setLastRecord(kind, newest);
            // The reports begin with the first gas day a station's collection saved.
            if (kind == ArchiveKind::ChromDaily && !state.lastReportDay())
                state.setLastReportDay(dayOf(stampOfRecord(0)).addDays(-1));
            if (!saved(state))
                return;
        }
        exchangeFailed(layer);
    }

    void fetchLog(RequestLayer& layer, CollectionState& state, std::size_t slot)
    {
        const LogKind kind = CollectedLogs[slot];
        NewLogRecords windows(state.lastRecord(kind), station_);
        LogCommands(layer.context(), windows, station_, [] { return QDateTime::currentDateTime(); }).readByIndex(kind);
        result_.logRecords[slot] = windows.read();
        if (!windows.failure().isEmpty()) {
            result_.failure = windows.failure();
            return;
        }
        if (windows.read() > 0) {
            state.setLastRecord(kind, windows.last());
            if (!saved(state))
                return;
        }
        exchangeFailed(layer);
    }

    // The daily document and the day workbook of every gas day of the day
    // archive saved since the last day they were made for.
    void makeReports(RequestLayer& layer, CollectionState& state)
    {
        const std::optional<DateStamp> lastDay = state.lastRecord(ArchiveKind::ChromDaily);
        if (!lastDay || !state.lastReportDay())
            return;
        const QDate newest = dayOf(*lastDay);
        for (QDate day = state.lastReportDay()->addDays(1); day <= newest; day = day.addDays(1)) {
            if (!makeDayReports(layer, day)) {
                // The state still names the day before: the next run tries this day again.
                result_.failure =
                    QStringLiteral("отчеты за %1 не созданы").arg(day.toString(QStringLiteral("dd.MM.yyyy")));
                return;
            }
            state.setLastReportDay(day);
            if (!saved(state))
                return;
        }
    }

    bool makeDayReports(RequestLayer& layer, const QDate& day)
    {
        QDir().mkpath(station_.reports());
        CliOptions report = setup_.options;
        report.reportDay = day;
        report.file = station_.reports() + day.toString(QStringLiteral("/'rep'yyMMdd'.srt'"));
        report.pdf = station_.reports() + day.toString(QStringLiteral("/'rep'yyMMdd'.pdf'"));
        QString ignored;
        QTextStream out(&ignored);
        if (reportDayCommand(report, layer, setup_.directory, out, notes_) != 0)
            return false;
        ++result_.reports;
        report.spreadsheetKind = SpreadsheetReportKind::Day;
        report.objectName = fileNamePart(result_.name);
        report.spreadsheetDate = {day.year() - CenturyBase, day.month(), day.day(), 0, 0, 0};
        report.replaceReport = true;
        if (reportSpreadsheetCommand(report, layer, station_, notes_) != 0)
            return false;
        ++result_.reports;
        return true;
    }

    const CollectSetup& setup_;
    WorkDirectory station_;
    QString statePath_;
    QTextStream& notes_;
    StationResult result_;
};

// The last line a failed step left among the station's notes: the reason it gives.
QString lastLine(const QString& notes, const QString& fallback)
{
    const QStringList lines = notes.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? fallback : lines.last();
}

CliOptions linkOptions(const CliOptions& options, const CollectStation& station, const SettingsBlock& settings)
{
    CliOptions link = options;
    link.address = station.address;
    link.tcp = !station.phone;
    link.host = station.host;
    link.service = station.service;
    if (station.phone) {
        link.phone = station.number;
        if (link.port.isEmpty())
            link.port = QStringLiteral("COM%1").arg(settings.gqcIni.phone.link.port);
    }
    return link;
}

} // namespace

QString stationFolder(const WorkDirectory& directory, const QString& name)
{
    return directory.root() + QStringLiteral("/STATIONS/") + fileNamePart(name);
}

StationResult collectStation(const CollectStation& station, const CollectSetup& setup, QTextStream& errors)
{
    QString notes;
    QTextStream noteStream(&notes);
    StationRun run(setup, station, noteStream);
    const auto told = [&](StationResult result) {
        noteStream.flush();
        for (const QString& line : notes.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            errors << station.name << ": " << line << '\n';
        errors.flush();
        return result;
    };

    QDir().mkpath(QFileInfo(run.statePath()).path());
    auto loaded = CollectionState::load(run.statePath());
    if (const QString* damaged = std::get_if<QString>(&loaded))
        return told(run.failed(*damaged));
    CollectionState& state = std::get<CollectionState>(loaded);

    ConsoleOperator person(noteStream, false);
    // Nobody is there to answer: read on past records out of the period,
    // replace a workbook of the same day left by a run cut short.
    person.answerReadingQuestions(true);
    hgcbox engine(0);
    engine.setOperator(&person);
    setup.prepareEngine(engine);
    const CliOptions link = linkOptions(setup.options, station, setup.settings);
    if (connectEngine(link, setup.settings.gqcIni, setup.settings.gqcIni.comPorts, engine, person, noteStream) != 0) {
        noteStream.flush();
        return told(run.failed(lastLine(notes, QStringLiteral("нет связи"))));
    }
    SettingsBlock settings = setup.settings;
    ParamImage image;
    std::uint8_t moistureMeter = 0;
    RequestLayer layer({engine, person, image, settings, moistureMeter});
    ComponentSlotMap slotMap;
    StationResult result;
    if (!servedControllerIdentified(layer, noteStream) || !readBasicData(layer, slotMap)) {
        noteStream.flush();
        result = run.failed(lastLine(notes, engine.message()));
    } else {
        result = run.run(layer, state);
    }
    disconnectEngine(link, engine, person);
    return told(result);
}
