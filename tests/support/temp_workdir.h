#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty working directory for one test, removed afterwards.
class TempWorkdir {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    QByteArray read(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};
