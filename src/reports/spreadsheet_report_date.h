#pragma once

#include "base/input_problem.h"
#include "reports/spreadsheet_report.h"
#include "tables/archive_period.h"

#include <QStringList>

// The rules of the report date dialog: which object and which day (or month)
// a spreadsheet report is made for, within the day archive's period.

// " Параметры отчета за сутки" or " Параметры отчета за месяц".
QString reportDateCaption(SpreadsheetReportKind kind);

// "Дата самой старой записи в архиве суточных данных:  dd.mm.yy" and
// "Дата последней записи в архиве:  dd.mm.yy".
QString oldestDayRecordText(const ArchiveBounds& dayArchive);
QString newestDayRecordText(const ArchiveBounds& dayArchive);

// "Январь" to "Декабрь", as the month list offers them.
QStringList nominativeMonthNames();

// The dialog opens on the newest record's date (a month or day no calendar has
// becomes the nearest real one).
DateStamp initialReportDate(const ArchiveBounds& dayArchive);

// The date with its day kept within its month: a day the month lacks (after
// the year or month changed) becomes the month's last day; no day is the 1st.
// Only the date fields are kept.
DateStamp dayWithinMonth(const DateStamp& date);

// The days the day list offers: 1 to the number of days of the date's month.
int daysInDateMonth(const DateStamp& date);

// "Принять": an object must be chosen ("Новый объект" is none), then the date
// must lie within the archive's period, compared by day for a day report and
// by month for a month report.
InputCheck checkReportChoice(SpreadsheetReportKind kind, bool objectChosen, const DateStamp& date,
                             const ArchiveBounds& dayArchive);

// The date handed to the report: the day itself, or the first of the month.
DateStamp reportDate(SpreadsheetReportKind kind, const DateStamp& date);
