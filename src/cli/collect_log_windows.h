#pragma once

#include "app/log_windows.h"

#include <QString>
#include <cstdint>
#include <optional>

class WorkDirectory;

// The log commands' windows for collect: the range asked for is what follows
// the last record saved (a station's first run: the log's newest 1000
// records), and "showing" the log saves it as FIRST-LAST.aud (.ala) in the
// station's log folder, by the records' global indices.
class NewLogRecords : public LogWindows {
public:
    NewLogRecords(std::optional<std::uint32_t> lastSaved, const WorkDirectory& station);

    std::optional<IndexRange> chooseIndexRange(LogKind kind, const LogBounds& bounds) override;
    std::optional<Period> chooseLogPeriod(const DateStamp&) override { return std::nullopt; }
    void showLog(const LogView& view) override;
    void startMessageTimer() override {}

    // The records read and saved, the index of the last of them, and why the
    // file could not be saved (empty when it was, or nothing was read).
    int read() const { return read_; }
    std::uint32_t last() const { return last_; }
    const QString& failure() const { return failure_; }

private:
    std::optional<std::uint32_t> lastSaved_;
    const WorkDirectory& station_;
    int read_ = 0;
    std::uint32_t last_ = 0;
    QString failure_;
};
