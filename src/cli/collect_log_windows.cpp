#include "cli/collect_log_windows.h"

#include "cli/collect_summary.h"
#include "logs/log_file.h"
#include "settings/work_directory.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr std::uint32_t FirstRunLogRecords = 1000;

} // namespace

NewLogRecords::NewLogRecords(std::optional<std::uint32_t> lastSaved, const WorkDirectory& station)
    : lastSaved_(lastSaved), station_(station)
{
}

std::optional<IndexRange> NewLogRecords::chooseIndexRange(LogKind, const LogBounds& bounds)
{
    std::uint32_t first = lastRecords(bounds, FirstRunLogRecords).first;
    if (lastSaved_) {
        if (*lastSaved_ >= bounds.newest)
            return std::nullopt;
        // Records the ring has dropped since are gone.
        first = std::max(*lastSaved_ + 1, bounds.oldest);
    }
    return IndexRange{first, bounds.newest - first + 1};
}

void NewLogRecords::showLog(const LogView& view)
{
    const LogKindInfo& info = logKindInfo(view.table.kind);
    read_ = static_cast<int>(view.table.rows.size());
    last_ = view.firstIndex + static_cast<std::uint32_t>(read_) - 1;
    const QString folder = (station_.*info.folder)();
    QDir().mkpath(folder);
    const QString path =
        QStringLiteral("%1/%2-%3%4").arg(folder).arg(view.firstIndex).arg(last_).arg(QLatin1String(info.extension));
    failure_ = saveFailure(writeLogFile(path, view.table));
}
