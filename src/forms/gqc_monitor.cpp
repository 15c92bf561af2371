#include "app/app_state.h"
#include "app/program_version.h"
#include "app/work_directory_note.h"
#include "forms/main_status_bars.h"
#include "forms/tformmain.h"
#include "link/frame_trace_file.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <clocale>
#include <cstring>

namespace {

void describe(QCoreApplication& application)
{
    application.setApplicationName(QStringLiteral("gqc_Monitor"));
    application.setApplicationVersion(QLatin1String(ProgramVersion));
}

struct MonitorOptions {
    QCommandLineOption workdir{QStringLiteral("workdir"), QStringLiteral("Keeps the working directory tree in DIR."),
                               QStringLiteral("DIR")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Appends every frame sent and every answer received to FILE."),
                             QStringLiteral("FILE")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.setApplicationDescription(
            QStringLiteral("The maintenance program of a gas-quality controller: its tables, configurations,\n"
                           "archives, event logs and reports, over a serial line, a modem or TCP."));
        parser.addOptions({workdir, trace});
        parser.addHelpOption();
        parser.addVersionOption();
    }
};

bool asksForText(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        for (const char* text : {"-h", "--help", "--help-all", "-?", "-v", "--version"}) {
            if (std::strcmp(argument, text) == 0)
                return true;
        }
        return false;
    });
}

// --help and --version print and exit without a window system: a console
// application parses the line, which ends the program when either is there.
void printTextAsked(int& argc, char* argv[])
{
    if (!asksForText(argc, argv))
        return;
    QCoreApplication console(argc, argv);
    describe(console);
    QCommandLineParser parser;
    MonitorOptions().addTo(parser);
    parser.process(console);
}

} // namespace

int main(int argc, char* argv[])
{
    printTextAsked(argc, argv);
    QApplication application(argc, argv);
    describe(application);
    // Numbers are written with "." whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    const MonitorOptions options;
    options.addTo(parser);
    parser.process(application);

    FrameTraceFile trace;
    if (parser.isSet(options.trace) && !trace.open(parser.value(options.trace))) {
        qCritical().noquote() << "--trace:" << parser.value(options.trace) << trace.errorString();
        return 1;
    }

    const QStringList workdir = parser.isSet(options.workdir)
                                    ? QStringList{QStringLiteral("--workdir"), parser.value(options.workdir)}
                                    : QStringList{};
    const QString userDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const WorkDirectory directory(WorkDirectory::choose(workdir, application.applicationDirPath(), userDirectory));
    const QString note = workDirectoryNote(directory.root(), userDirectory, QFileInfo::exists(directory.root()));
    AppState state(directory, application.primaryScreen()->size(), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    // Left in place until the next transient text, so that the connection dialog does not hide it.
    window.statusBars().setText(StatusPanel::Transient, note);
    window.startConnection();
    return application.exec();
}
