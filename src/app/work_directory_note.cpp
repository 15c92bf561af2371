#include "app/work_directory_note.h"

#include <QDir>

QString workDirectoryNote(const QString& root, const QString& userDataDirectory, bool rootExisted)
{
    const QString directory = QDir::cleanPath(root);
    if (rootExisted || directory != QDir::cleanPath(userDataDirectory))
        return {};
    return QStringLiteral("Рабочий каталог: %1").arg(QDir::toNativeSeparators(directory));
}
