#include "reports/spreadsheet_report_date.h"

#include "base/common_texts.h"
#include "tables/calendar.h"

#include <algorithm>

namespace {

constexpr int monthsInYear = 12;

QString dayText(const DateStamp& day)
{
    return QStringLiteral("%1.%2.%3")
        .arg(day.day, 2, 10, QLatin1Char('0'))
        .arg(day.month, 2, 10, QLatin1Char('0'))
        .arg(day.year, 2, 10, QLatin1Char('0'));
}

DateStamp dateOnly(const DateStamp& stamp)
{
    return {stamp.year, stamp.month, stamp.day};
}

// A month report asks whether anything of its month is in the archive.
DateStamp comparedPart(SpreadsheetReportKind kind, const DateStamp& stamp)
{
    return kind == SpreadsheetReportKind::Month ? DateStamp{stamp.year, stamp.month, 1} : dateOnly(stamp);
}

} // namespace

QString reportDateCaption(SpreadsheetReportKind kind)
{
    return kind == SpreadsheetReportKind::Day ? QStringLiteral(" Параметры отчета за сутки")
                                              : QStringLiteral(" Параметры отчета за месяц");
}

QString oldestDayRecordText(const ArchiveBounds& dayArchive)
{
    return QStringLiteral("Дата самой старой записи в архиве суточных данных:  ") + dayText(dayArchive.oldest);
}

QString newestDayRecordText(const ArchiveBounds& dayArchive)
{
    return QStringLiteral("Дата последней записи в архиве:  ") + dayText(dayArchive.newest);
}

QStringList nominativeMonthNames()
{
    QStringList names;
    for (int month = 0; month < monthsInYear; ++month)
        names << commonText(CommonTextBase::MonthsNominative + month);
    return names;
}

DateStamp initialReportDate(const ArchiveBounds& dayArchive)
{
    // The lists offer real months and days only, whatever the controller answered.
    const DateStamp& newest = dayArchive.newest;
    return dayWithinMonth({newest.year, std::clamp(newest.month, 1, monthsInYear), newest.day});
}

DateStamp dayWithinMonth(const DateStamp& date)
{
    return {date.year, date.month, std::clamp(date.day, 1, daysInDateMonth(date))};
}

int daysInDateMonth(const DateStamp& date)
{
    return daysInMonth(2000 + date.year, date.month);
}

InputCheck checkReportChoice(SpreadsheetReportKind kind, bool objectChosen, const DateStamp& date,
                             const ArchiveBounds& dayArchive)
{
    if (!objectChosen)
        return InputProblem{QStringLiteral("Не введено наименование объекта"), {}};
    const DateStamp chosen = comparedPart(kind, date);
    if (chosen < comparedPart(kind, dayArchive.oldest) || chosen > comparedPart(kind, dayArchive.newest))
        return InputProblem{QStringLiteral("В архиве нет данных за указанную дату"),
                            QStringLiteral("(см. период имеющихся в архиве данных)")};
    return std::nullopt;
}

DateStamp reportDate(SpreadsheetReportKind kind, const DateStamp& date)
{
    return comparedPart(kind, date);
}
