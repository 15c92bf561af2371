#include "app/app_state.h"
#include "forms/tformmain.h"

#include <QApplication>
#include <QDateTime>
#include <QScreen>
#include <QStandardPaths>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("gqc_Monitor"));
    application.setApplicationVersion(QStringLiteral("1.0"));
    // Numbers are written with "." whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");

    const WorkDirectory directory(
        WorkDirectory::choose(application.arguments(), application.applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    AppState state(directory, application.primaryScreen()->size(), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    window.startConnection();
    return application.exec();
}
