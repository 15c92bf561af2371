#include "app/engine_credentials.h"
#include "app/program_version.h"
#include "cli/cli_archive_commands.h"
#include "cli/cli_collect_command.h"
#include "cli/cli_commands.h"
#include "cli/cli_config_commands.h"
#include "cli/cli_link.h"
#include "cli/cli_log_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_plot_command.h"
#include "cli/cli_report_commands.h"
#include "cli/cli_view_command.h"
#include "cli/cli_watch_command.h"
#include "cli/console_operator.h"
#include "exchange/request_layer.h"
#include "link/frame_trace_file.h"
#include "link/hgcbox.h"
#include "settings/settings_block.h"
#include "settings/work_directory.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

WorkDirectory workDirectory(const CliOptions& options)
{
    if (!options.workdir.isEmpty())
        return WorkDirectory(QDir(options.workdir).absolutePath());
    return WorkDirectory(WorkDirectory::choose({}, QCoreApplication::applicationDirPath(),
                                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

// The options' code and password replace the engine's blanks; each is blank-padded.
void putCredentials(const CliOptions& options, hgcbox& engine)
{
    OperatorCredentials credentials = engineCredentials(engine);
    credentials.code = options.userCode.value_or(credentials.code);
    credentials.password = options.password.value_or(credentials.password);
    loadCredentials(engine, credentials);
}

// Printing to PDF needs the fonts of a GUI application, and a chart the
// widgets of one (never a display); the other commands stay a console program
// that starts without a platform plugin and its notes on stderr.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[])
{
    const auto given = [&](const char* word) {
        return std::any_of(argv + 1, argv + argc,
                           [word](const char* argument) { return std::strcmp(argument, word) == 0; });
    };
    // collect prints the daily documents of the days it fetched.
    const bool prints = given("--pdf") || given("collect") ||
                        std::any_of(argv + 1, argv + argc,
                                    [](const char* argument) { return std::strncmp(argument, "--pdf=", 6) == 0; });
    const bool plots = given("plot");
    if (!prints && !plots)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (plots)
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The progress of a transfer is rewritten in place only on a terminal.
bool errorsGoToATerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> owner = application(argc, argv);
    QCoreApplication& application = *owner;
    // The same working directory as the desktop program when neither names one.
    application.setApplicationName(QStringLiteral("gqc_Monitor"));
    application.setApplicationVersion(QLatin1String(ProgramVersion));
    std::setlocale(LC_NUMERIC, "C");
    // The link layer's notes (a port without RTS control) are for diagnosis, not
    // for scripts reading stderr; QT_LOGGING_RULES="gqc.link.info=true" shows them.
    QLoggingCategory::setFilterRules(QStringLiteral("gqc.link.info=false"));
    QTextStream out(stdout);
    QTextStream errors(stderr);

    const CliRequest parsed = parseCliOptions(application.arguments());
    if (const auto* usageError = std::get_if<CliUsageError>(&parsed)) {
        errors << usageError->text;
        return 2;
    }
    if (const auto* information = std::get_if<CliInformation>(&parsed)) {
        out << information->text;
        return 0;
    }
    const CliOptions& options = std::get<CliOptions>(parsed);
    FrameTraceFile trace;
    if (!options.trace.isEmpty() && !trace.open(options.trace)) {
        errors << usageErrorText(QStringLiteral("--trace: %1: %2").arg(options.trace, trace.errorString()));
        return 2;
    }

    const WorkDirectory directory = workDirectory(options);
    if (options.command == CliOptions::Command::View)
        return runViewCommand(options, directory, out, errors);
    if (options.command == CliOptions::Command::Plot)
        return runPlotCommand(options, directory, out, errors);
    if (options.command == CliOptions::Command::ReportPrint)
        return reportPrintCommand(options, directory, out, errors);
    if (options.command == CliOptions::Command::Collect)
        return collectCommand(
            options, directory, [&](hgcbox& engine) { putCredentials(options, engine); }, out, errors);
    SettingsBlock settings;
    settings.loadSettings(directory.settingsFile(), QSize());

    ConsoleOperator person(errors, errorsGoToATerminal());
    hgcbox engine(0);
    engine.setOperator(&person);
    putCredentials(options, engine);
    const OverLink overLink = [&](const std::function<int(RequestLayer&)>& command) {
        const int connected = connectEngine(options, settings.gqcIni, settings.gqcIni.comPorts, engine, person, errors);
        if (connected != 0)
            return connected == 1 ? failureStatus(options) : connected;
        ParamImage image;
        std::uint8_t moistureMeter = 0;
        RequestLayer layer({engine, person, image, settings, moistureMeter});
        const int result = command(layer);
        disconnectEngine(options, engine, person);
        return result;
    };
    if (isConfigurationCommand(options.command))
        return runConfigurationCommand(options, overLink, out, errors);
    if (options.command == CliOptions::Command::ReadArchive) {
        person.answerReadingQuestions(options.confirmed);
        return overLink(
            [&](RequestLayer& layer) { return readArchiveCommand(options, layer, directory, out, errors); });
    }
    if (options.command == CliOptions::Command::ReadLog)
        return overLink([&](RequestLayer& layer) { return readLogCommand(options, layer, directory, out, errors); });
    if (options.command == CliOptions::Command::ReportSpreadsheet) {
        // The only question of a spreadsheet report: whether to replace the one already there.
        person.answerReadingQuestions(options.replaceReport);
        return overLink(
            [&](RequestLayer& layer) { return reportSpreadsheetCommand(options, layer, directory, errors); });
    }
    if (options.command == CliOptions::Command::Watch)
        return overLink([&](RequestLayer& layer) { return watchCommand(options, layer, directory, out, errors); });
    if (options.command == CliOptions::Command::ReportDay)
        return overLink([&](RequestLayer& layer) { return reportDayCommand(options, layer, directory, out, errors); });
    return overLink([&](RequestLayer& layer) { return runCommand(options, layer, out, errors); });
}
