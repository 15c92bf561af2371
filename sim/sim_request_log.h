#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Every request frame the controller received, kept for tests and written to a file
// as one line a frame: host time, then the frame's bytes in hexadecimal.
class SimRequestLog {
public:
    // Appends to the file at `path`; an empty path keeps the log in memory only.
    bool open(const QString& path, QString* error);

    void add(const QByteArray& frame);
    QList<QByteArray> frames() const { return frames_; }
    void clear() { frames_.clear(); }

    static QByteArray line(const QDateTime& at, const QByteArray& frame);

private:
    QList<QByteArray> frames_;
    QFile file_;
};
