#pragma once

#include "archives/archive_kind.h"
#include "base/ini_file.h"
#include "logs/log_kind.h"
#include "tables/date_stamp.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

// What the unattended collection has saved of one station: the stamp of the
// last record of each archive, the global index of the last record of each
// log and the last day whose reports were made. A repeated run asks only for
// what follows them, and a run cut short goes on after the last record it saved.
// The keys are the archives' and logs' file extensions.
class CollectionState {
public:
    // A missing file is a station never collected. A value that is no stamp,
    // index or day is refused with its key, so that a damaged file never makes
    // a run fetch everything again.
    static std::variant<CollectionState, QString> load(const QString& path);

    std::optional<DateStamp> lastRecord(ArchiveKind kind) const;
    std::optional<std::uint32_t> lastRecord(LogKind kind) const;
    std::optional<QDate> lastReportDay() const;

    void setLastRecord(ArchiveKind kind, const DateStamp& stamp);
    void setLastRecord(LogKind kind, std::uint32_t index);
    void setLastReportDay(const QDate& day);

    // Replaces the file whole: on failure the old state stays on disk.
    SaveResult save(const QString& path) const { return ini_.save(path); }

private:
    IniFile ini_;
};
