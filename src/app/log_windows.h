#pragma once

#include "logs/log_bounds.h"
#include "logs/log_caption.h"
#include "logs/log_table.h"
#include "tables/archive_period.h"

#include <optional>

// A log as its viewer gets it.
struct LogView {
    LogTable table;
    LogViewMode mode;
    std::uint32_t firstIndex = 0; // of a reading by index
};

// What the log commands ask of the windows around them.
class LogWindows {
public:
    virtual ~LogWindows() = default;
    // The index dialog on the log's bounds; none when the operator cancelled.
    virtual std::optional<IndexRange> chooseIndexRange(LogKind kind, const LogBounds& bounds) = 0;
    // The period dialog, with the controller's time `now`; none when cancelled.
    virtual std::optional<Period> chooseLogPeriod(const DateStamp& now) = 0;
    // The log's viewer, modal.
    virtual void showLog(const LogView& view) = 0;
    // Panel 2 holds a transient text: the message timer clears it a while later.
    virtual void startMessageTimer() = 0;
};
