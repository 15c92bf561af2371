#include "settings/work_directory.h"

#include <QDir>
#include <QFileInfo>

WorkDirectory::WorkDirectory(QString root) : root_(std::move(root)) {}

QString WorkDirectory::choose(const QStringList& arguments, const QString& programDirectory,
                              const QString& userDataDirectory)
{
    const qsizetype option = arguments.indexOf(QStringLiteral("--workdir"));
    if (option >= 0 && option + 1 < arguments.size())
        return QDir(arguments[option + 1]).absolutePath();
    return QFileInfo(programDirectory).isWritable() ? programDirectory : userDataDirectory;
}

void WorkDirectory::ensureFolders() const
{
    for (const QString& path :
         {config(), diagnosticLogs(), interventionLogs(), fiveMinuteData(), hourData(), dayData(), reports(), ini()})
        QDir().mkpath(path);
}

QStringList WorkDirectory::temporaryFiles() const
{
    return {root_ + "/datafile.aud", root_ + "/datafile.ala", root_ + "/datafile.clb", temporaryArchiveFile()};
}
