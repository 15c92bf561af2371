#include "sim/sim_request_log.h"

#include <QDateTime>

bool SimRequestLog::open(const QString& path, QString* error)
{
    if (path.isEmpty())
        return true;
    file_.setFileName(path);
    if (file_.open(QIODevice::WriteOnly | QIODevice::Append))
        return true;
    *error = QStringLiteral("cannot open the request log %1: %2").arg(path, file_.errorString());
    return false;
}

void SimRequestLog::add(const QByteArray& frame)
{
    frames_.append(frame);
    if (file_.isOpen()) {
        file_.write(line(QDateTime::currentDateTime(), frame));
        file_.flush();
    }
}

QByteArray SimRequestLog::line(const QDateTime& at, const QByteArray& frame)
{
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1() + ' ' + frame.toHex(' ').toUpper() + '\n';
}
