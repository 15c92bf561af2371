#include "support/temp_workdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray TempWorkdir::read(const QString& relative) const
{
    QFile file(dir_.filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempWorkdir::write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
