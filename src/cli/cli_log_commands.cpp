#include "cli/cli_log_commands.h"

#include "app/basic_data.h"
#include "app/log_commands.h"
#include "cli/cli_archive_commands.h"
#include "logs/log_csv.h"
#include "logs/log_file.h"

namespace {

// The windows of the log commands, answered from the command line: the range
// or period as given, the log shown by saving it.
class CliLogWindows : public LogWindows {
public:
    CliLogWindows(const CliOptions& options, QTextStream& out, QTextStream& errors)
        : options_(options), out_(out), errors_(errors)
    {
    }

    std::optional<IndexRange> chooseIndexRange(LogKind, const LogBounds& bounds) override
    {
        if (options_.logPart == CliOptions::LogPart::Last)
            return lastRecords(bounds, options_.logCount);
        const auto range =
            checkIndexRange(bounds, QString::number(options_.logFirst), QString::number(options_.logCount));
        if (const auto* problem = std::get_if<InputProblem>(&range)) {
            printProblem(*problem, errors_);
            errors_ << "read-log: the log holds indices " << bounds.oldest << " to " << bounds.newest << '\n';
            return std::nullopt;
        }
        return std::get<IndexRange>(range);
    }

    std::optional<Period> chooseLogPeriod(const DateStamp&) override
    {
        return Period{options_.periodFrom, options_.periodTo};
    }

    void showLog(const LogView& view) override
    {
        saved_ = saved(writeLogFile(options_.file, view.table)) &&
                 (options_.csv.isEmpty() || saved(replaceFile(options_.csv, {logCsv(view.table)})));
        if (saved_)
            out_ << view.table.rows.size() << " records written to " << options_.file << '\n'
                 << logCaption(view.table, view.mode, view.firstIndex) << '\n';
    }

    void startMessageTimer() override {}

    bool savedAll() const { return saved_; }

private:
    bool saved(const SaveResult& result)
    {
        if (result.failed())
            errors_ << "Ошибка записи файла " << result.path << ": " << result.reason << '\n';
        return !result.failed();
    }

    const CliOptions& options_;
    QTextStream& out_;
    QTextStream& errors_;
    bool saved_ = false;
};

} // namespace

int readLogCommand(const CliOptions& options, RequestLayer& layer, const WorkDirectory& directory, QTextStream& out,
                   QTextStream& errors)
{
    ComponentSlotMap slotMap;
    if (!servedControllerIdentified(layer, errors) || !readBasicData(layer, slotMap))
        return 1;
    CliLogWindows windows(options, out, errors);
    LogCommands commands(layer.context(), windows, directory, [] { return QDateTime::currentDateTime(); });
    if (options.logPart == CliOptions::LogPart::Period)
        commands.readByPeriod(options.logKind);
    else
        commands.readByIndex(options.logKind);
    if (windows.savedAll())
        return 0;
    errors << "read-log: no records saved\n";
    return 1;
}

int viewLogCommand(LogKind kind, const CliOptions& options, QTextStream& out, QTextStream& errors)
{
    if (!options.xlsx.isEmpty() || !options.pdf.isEmpty() || options.csv.isEmpty()) {
        errors << "view: a log file is written as --csv OUT only\n";
        return 1;
    }
    const auto read = readLogFile(kind, options.file);
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        errors << problem->line1 << '\n';
        if (!problem->line2.isEmpty())
            errors << problem->line2 << '\n';
        return 1;
    }
    const LogTable& table = std::get<LogTable>(read);
    const SaveResult saved = replaceFile(options.csv, {logCsv(table)});
    if (saved.failed()) {
        errors << "view: " << saved.path << ": " << saved.reason << '\n';
        return 1;
    }
    out << logCaption(table, LogViewMode::FromFile, 0) << '\n';
    return 0;
}
