#include "reports/report_day_choice.h"

QDate presetReportDay(const QDate& pcToday)
{
    return pcToday.addDays(-1);
}

QDate earliestReportDay()
{
    return {2000, 1, 1};
}

QDate latestReportDay()
{
    // A report file holds the year as one byte after 2000, the next day's too.
    return {2255, 12, 30};
}

InputCheck reportDayProblem(const QDate& day, const ArchiveBounds& bounds)
{
    const DateStamp picked{day.year() - 2000, day.month(), day.day(), 0, 0, 0};
    if (picked < truncatedTo(PeriodMode::Daily, bounds.oldest) ||
        picked > truncatedTo(PeriodMode::Daily, bounds.newest))
        return InputProblem{QStringLiteral("В архиве нет данных за указанные сутки"),
                            QStringLiteral("(см. период имеющихся в архиве данных)")};
    return std::nullopt;
}
