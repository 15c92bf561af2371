#include "app/archive_commands.h"

#include "archives/archive_bounds_query.h"
#include "archives/archive_reading.h"
#include "archives/archive_stamps.h"
#include "settings/work_directory.h"

ArchiveCommands::ArchiveCommands(RequestContext context, ArchiveWindows& windows, const WorkDirectory& directory,
                                 PcClock pcClock, RecordWriteWait wait)
    : context_(context), windows_(windows), directory_(directory), pcClock_(std::move(pcClock)),
      wait_(std::move(wait))
{
}

void ArchiveCommands::read(ArchiveKind kind)
{
    const PeriodMode mode = archiveKindInfo(kind).periodMode;
    RequestLayer layer(context_);
    std::optional<ArchiveBoundsQuery> query;
    {
        BusyCursor busy(context_.person);
        query = queryArchiveBounds(layer, mode);
    }
    if (!query)
        return;
    std::optional<Period> period = windows_.choosePeriod(mode, query->bounds, query->extent.now);
    if (!period)
        return;
    if (mode == PeriodMode::FiveMinute) {
        *period = {fiveMinuteSlot(period->start), fiveMinuteSlot(period->end)};
        if (!guardMomentPeriod(layer, *query, *period, wait_))
            return;
    }
    const std::optional<ArchiveFile> file = readArchivePeriod(
        context_, {.kind = kind, .period = *period, .temporaryFile = directory_.temporaryArchiveFile(), .pcClock = pcClock_});
    windows_.startMessageTimer();
    if (file)
        windows_.showArchive(*file);
}
