#include "tables/archive_period.h"

#include "tables/calendar.h"

#include <algorithm>

namespace {

constexpr int centuryBase = 2000;

QString boundText(const char* prefix, PeriodMode mode, const DateStamp& stamp)
{
    const QString date = QString::asprintf("%02d.%02d.%02d", stamp.day, stamp.month, stamp.year);
    QString time;
    if (mode == PeriodMode::FiveMinute)
        time = QString::asprintf(" %02d:%02d", stamp.hour, stamp.minute);
    else if (mode == PeriodMode::Hourly)
        time = QString::asprintf(" %02dч", stamp.hour);
    return QString::fromUtf8(prefix) + date + time;
}

// A day that its month lacks (after a month step) becomes the 1st of the next month.
DateStamp existingDay(DateStamp stamp)
{
    if (stamp.day <= daysInMonth(centuryBase + stamp.year, stamp.month))
        return stamp;
    stamp.day = 1;
    return stepForward(stamp, StampUnit::Month);
}

} // namespace

QList<PeriodOption> periodOptions(PeriodMode mode)
{
    switch (mode) {
    case PeriodMode::FiveMinute:
        return {PeriodOption::LastHour, PeriodOption::LastDay, PeriodOption::Given};
    case PeriodMode::Hourly:
        return {PeriodOption::LastDay, PeriodOption::Given};
    case PeriodMode::Daily:
        return {PeriodOption::LastMonth, PeriodOption::Given};
    }
    return {PeriodOption::Given};
}

QString periodOptionText(PeriodOption option)
{
    switch (option) {
    case PeriodOption::LastHour:
        return QStringLiteral("За последний час");
    case PeriodOption::LastDay:
        return QStringLiteral("За последние сутки");
    case PeriodOption::LastMonth:
        return QStringLiteral("За последний месяц");
    case PeriodOption::Given:
        break;
    }
    return QStringLiteral("Заданный период");
}

DateStamp truncatedTo(PeriodMode mode, DateStamp stamp)
{
    stamp.second = 0;
    if (mode != PeriodMode::FiveMinute)
        stamp.minute = 0;
    if (mode == PeriodMode::Daily)
        stamp.hour = 0;
    return stamp;
}

QString oldestRecordText(PeriodMode mode, const DateStamp& oldest)
{
    return boundText("Дата и время самой старой записи в архиве:  ", mode, oldest);
}

QString newestRecordText(PeriodMode mode, const DateStamp& newest)
{
    return boundText("Дата и время последней записи в архиве:  ", mode, newest);
}

std::optional<Period> presetPeriod(PeriodMode mode, PeriodOption option, const DateStamp& now)
{
    const DateStamp end = truncatedTo(mode, now);
    switch (option) {
    case PeriodOption::LastHour:
        return Period{stepBack(end, StampUnit::Hour), end};
    case PeriodOption::LastDay:
        if (mode == PeriodMode::Hourly) {
            // The 24 whole hours before the current one.
            const DateStamp lastHour = stepBack(end, StampUnit::Hour);
            return Period{stepForward(stepBack(lastHour, StampUnit::Day), StampUnit::Hour), lastHour};
        }
        return Period{stepBack(end, StampUnit::Day), end};
    case PeriodOption::LastMonth: {
        const DateStamp yesterday = stepBack(end, StampUnit::Day);
        return Period{existingDay(stepBack(yesterday, StampUnit::Month)), yesterday};
    }
    case PeriodOption::Given:
        break;
    }
    return std::nullopt;
}

PeriodAcceptance acceptPeriod(PeriodMode mode, const Period& typed, const ArchiveBounds& bounds)
{
    const Period period{truncatedTo(mode, typed.start), truncatedTo(mode, typed.end)};
    const DateStamp oldest = truncatedTo(mode, bounds.oldest);
    const DateStamp newest = truncatedTo(mode, bounds.newest);
    if (period.end < period.start)
        return {InputProblem{QStringLiteral("Дата и время конца опроса должны быть"),
                             QStringLiteral("больше даты и времени начала опроса")},
                period};
    if ((period.start < oldest && period.end < oldest) || (period.start > newest && period.end > newest))
        return {InputProblem{QStringLiteral("В архиве нет данных за указанный период"),
                             QStringLiteral("(см. период имеющихся в архиве данных)")},
                period};
    return {std::nullopt, Period{std::max(period.start, oldest), std::min(period.end, newest)}};
}
