#include "cli/collect_summary.h"

#include <QStringList>

namespace {

QString field(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString count(const std::optional<int>& records)
{
    return records ? QString::number(*records) : QStringLiteral("-");
}

} // namespace

QString collectSummaryHeader()
{
    return QStringLiteral("station\tdch\thch\tdwm\thwm\taud\tala\treports\tresult");
}

QString collectSummaryLine(const StationResult& result)
{
    QStringList fields{field(result.name)};
    for (const std::optional<int>& records : result.archiveRecords)
        fields.append(count(records));
    for (const std::optional<int>& records : result.logRecords)
        fields.append(count(records));
    fields.append(QString::number(result.reports));
    fields.append(result.failure.isEmpty() ? QStringLiteral("ok") : field(result.failure));
    return fields.join(QLatin1Char('\t'));
}

QString saveFailure(const SaveResult& saved)
{
    return saved.failed() ? QStringLiteral("Ошибка записи файла %1: %2").arg(saved.path, saved.reason) : QString();
}
