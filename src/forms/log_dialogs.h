#pragma once

#include "app/log_windows.h"
#include "forms/tformperiod.h"

#include <functional>

class Operator;
class QWidget;
class WorkDirectory;

// The windows of the log commands: the index and period dialogs, whose
// choices it keeps for the run, and the log viewers.
class LogDialogs : public LogWindows {
public:
    LogDialogs(QWidget* parent, Operator& person, const WorkDirectory& directory,
               std::function<void()> startMessageTimer);

    std::optional<IndexRange> chooseIndexRange(LogKind kind, const LogBounds& bounds) override;
    std::optional<Period> chooseLogPeriod(const DateStamp& now) override;
    void showLog(const LogView& view) override;
    void startMessageTimer() override { startMessageTimer_(); }

private:
    QWidget* parent_;
    Operator& person_;
    const WorkDirectory& directory_;
    std::function<void()> startMessageTimer_;
    IndexChoice indexChoice_ = IndexChoice::Whole;
    LogPeriodMemory periodMemory_;
};
