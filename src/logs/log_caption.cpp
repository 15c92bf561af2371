#include "logs/log_caption.h"

QString logStampText(const DateStamp& stamp)
{
    return QString::asprintf("%02d.%02d.%02d %02d:%02d:%02d", stamp.day, stamp.month, stamp.year, stamp.hour,
                             stamp.minute, stamp.second);
}

QString logCaption(const LogTable& table, LogViewMode mode, std::uint32_t firstIndex)
{
    const QString log = QString::fromUtf8(logKindInfo(table.kind).messageLine);
    if (mode == LogViewMode::ByIndex) {
        const auto last = static_cast<std::uint32_t>(firstIndex + table.rows.size() - 1);
        return log + QString::asprintf(" с индексами от %u до %u", firstIndex, last);
    }
    return log + QStringLiteral(" за период с %1 по %2")
                     .arg(logStampText(table.header.periodStart(6)), logStampText(table.header.periodEnd(6)));
}
