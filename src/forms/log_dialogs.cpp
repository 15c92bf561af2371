#include "forms/log_dialogs.h"

#include "app/pc_clock.h"
#include "forms/log_viewer.h"
#include "forms/tformindex.h"

LogDialogs::LogDialogs(QWidget* parent, Operator& person, const WorkDirectory& directory,
                       std::function<void()> startMessageTimer)
    : parent_(parent), person_(person), directory_(directory), startMessageTimer_(std::move(startMessageTimer))
{
}

std::optional<IndexRange> LogDialogs::chooseIndexRange(LogKind kind, const LogBounds& bounds)
{
    TFormIndex dialog(kind, bounds, indexChoice_, person_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.range();
}

// The presets count back from the PC's clock; the controller's time only proves the link.
std::optional<Period> LogDialogs::chooseLogPeriod(const DateStamp&)
{
    TFormPeriod dialog(pcLocalTime(), periodMemory_, person_, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.period();
}

void LogDialogs::showLog(const LogView& view)
{
    showLogViewer(view, {directory_, person_, pcLocalTime}, parent_);
}
