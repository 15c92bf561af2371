#include "app/app_state.h"
#include "app/program_version.h"
#include "forms/tformmain.h"
#include "link/frame_trace_file.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QScreen>
#include <QStandardPaths>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("gqc_Monitor"));
    application.setApplicationVersion(QLatin1String(ProgramVersion));
    // Numbers are written with "." whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    const QCommandLineOption workdirOption(
        QStringLiteral("workdir"), QStringLiteral("Keeps the working directory tree in DIR."), QStringLiteral("DIR"));
    const QCommandLineOption traceOption(QStringLiteral("trace"),
                                         QStringLiteral("Appends every frame sent and every answer received to FILE."),
                                         QStringLiteral("FILE"));
    parser.addOptions({workdirOption, traceOption});
    parser.addHelpOption();
    parser.process(application);

    FrameTraceFile trace;
    if (parser.isSet(traceOption) && !trace.open(parser.value(traceOption))) {
        qCritical().noquote() << "--trace:" << parser.value(traceOption) << trace.errorString();
        return 1;
    }

    const QStringList workdir = parser.isSet(workdirOption)
                                    ? QStringList{QStringLiteral("--workdir"), parser.value(workdirOption)}
                                    : QStringList{};
    const WorkDirectory directory(WorkDirectory::choose(
        workdir, application.applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    AppState state(directory, application.primaryScreen()->size(), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    window.startConnection();
    return application.exec();
}
