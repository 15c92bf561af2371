#pragma once

#include "base/input_problem.h"
#include "tables/archive_period.h"

#include <QDate>

// The rules of "Чтение данных для создания отчета", where the operator picks
// the gas day of a report within the day archive.

// The day offered first: yesterday by the PC's calendar, the last day that
// surely has closed.
QDate presetReportDay(const QDate& pcToday);

// The earliest and latest day the picker offers: the days a report file can name.
QDate earliestReportDay();
QDate latestReportDay();

// The check of "Принять": the day must lie within the archive's days, the
// oldest and newest record's days included (their hours do not count).
InputCheck reportDayProblem(const QDate& day, const ArchiveBounds& bounds);
