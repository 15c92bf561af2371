#pragma once

#include "logs/log_table.h"

#include <QString>
#include <cstdint>

// How a log came to its viewer: read by index (from the first index asked
// for), read by period, or loaded from a file.
enum class LogViewMode { ByIndex = 0, ByPeriod = 1, FromFile = 2 };

// The viewer's caption: "... с индексами от %u до %u" for a reading by index,
// else "... за период с %s по %s" with the header's period to the second.
QString logCaption(const LogTable& table, LogViewMode mode, std::uint32_t firstIndex);

// A stamp as the log captions and printouts show it: day first, "%02d.%02d.%02d %02d:%02d:%02d".
QString logStampText(const DateStamp& stamp);
