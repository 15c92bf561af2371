#pragma once

#include "base/input_problem.h"
#include "tables/archive_period.h"

#include <QDateTime>

// The choices of the log period dialog, in its order.
enum class LogPeriodChoice { LastHour, LastDay, Given };

// The period a preset choice stands for: ending at the PC's `now`, starting an
// hour or a day earlier (across midnight into the day before).
Period presetLogPeriod(LogPeriodChoice choice, const QDateTime& now);

// An end earlier than the start is refused; an end equal to the start is a period.
InputCheck checkLogPeriod(const Period& period);
