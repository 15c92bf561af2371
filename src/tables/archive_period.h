#pragma once

#include "base/input_problem.h"
#include "tables/date_stamp.h"

#include <QList>
#include <QString>
#include <optional>

// The archive whose period is asked for; the numbers are the modes the archive
// reading passes to the period dialog.
enum class PeriodMode { Hourly = 0, Daily = 1, FiveMinute = 3 };

// The choices of " Задание периода".
enum class PeriodOption { LastHour, LastDay, LastMonth, Given };

// A requested range of records, both ends included. Stamps hold the mode's unit
// and above (minute, hour or day); finer fields are 0.
struct Period {
    DateStamp start;
    DateStamp end;

    bool operator==(const Period&) const = default;
};

// The oldest and newest record of an archive.
struct ArchiveBounds {
    DateStamp oldest;
    DateStamp newest;
};

// The mode's choices in the order they are offered.
QList<PeriodOption> periodOptions(PeriodMode mode);
QString periodOptionText(PeriodOption option);

// The stamp cut to the mode's unit: to the minute, the hour or the day.
DateStamp truncatedTo(PeriodMode mode, DateStamp stamp);

// "Дата и время самой старой записи в архиве:  …" and "… последней записи …",
// with minutes (5-minute), "ч" after the hour (hourly) or the date alone (daily).
QString oldestRecordText(PeriodMode mode, const DateStamp& oldest);
QString newestRecordText(PeriodMode mode, const DateStamp& newest);

// The period of a preset choice counted back from the controller's "now"; none
// for "Заданный период". A month step onto a day its month lacks moves to the
// 1st of the following month.
std::optional<Period> presetPeriod(PeriodMode mode, PeriodOption option, const DateStamp& now);

struct PeriodAcceptance {
    InputCheck problem;
    Period period; // the accepted period, clamped to the archive
};

// The checks of "Принять": the end may not precede the start, the period must
// reach into the archive; then it is clamped to the oldest and newest records.
// Bounds are compared at the mode's unit.
PeriodAcceptance acceptPeriod(PeriodMode mode, const Period& typed, const ArchiveBounds& bounds);
