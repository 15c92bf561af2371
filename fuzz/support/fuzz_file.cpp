#include "support/fuzz_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

QString scratchPath(const QString& name)
{
    static const QTemporaryDir directory;
    if (!directory.isValid()) {
        // Without it no file target can run at all; say so instead of reporting every input.
        std::fprintf(stderr, "no scratch directory: %s\n", qPrintable(directory.errorString()));
        std::abort();
    }
    return directory.filePath(name);
}

QString writeScratchFile(const QString& name, QByteArrayView bytes)
{
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
