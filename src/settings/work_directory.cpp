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
    // An installed program shares its directory (<prefix>/bin) with others, whoever may write there.
    const bool installed = QFileInfo::exists(installedDataDirectory(programDirectory));
    return QFileInfo(programDirectory).isWritable() && !installed ? programDirectory : userDataDirectory;
}

QString WorkDirectory::installedDataDirectory(const QString& programDirectory)
{
    return QDir::cleanPath(QDir(programDirectory).filePath(QStringLiteral("../share/gqc_monitor")));
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
