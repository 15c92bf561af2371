#include "logs/log_period_choice.h"

#include "archives/archive_stamps.h"

Period presetLogPeriod(LogPeriodChoice choice, const QDateTime& now)
{
    const QDateTime start = choice == LogPeriodChoice::LastDay ? now.addDays(-1) : now.addSecs(-3600);
    return {stampOf(start), stampOf(now)};
}

InputCheck checkLogPeriod(const Period& period)
{
    if (period.end < period.start)
        return InputProblem{QStringLiteral("Дата и время конца опроса должны быть"),
                            QStringLiteral("больше даты и времени начала опроса")};
    return std::nullopt;
}
