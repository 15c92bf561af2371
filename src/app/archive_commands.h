#pragma once

#include "app/archive_windows.h"
#include "app/pc_clock.h"
#include "archives/moment_period_guard.h"
#include "exchange/request_context.h"

class WorkDirectory;

// "Чтение архива контроллера" of the six archives.
class ArchiveCommands {
public:
    ArchiveCommands(RequestContext context, ArchiveWindows& windows, const WorkDirectory& directory, PcClock pcClock,
                    RecordWriteWait wait);

    // The archive's bounds read, a period chosen within them (a 5-minute period
    // cut to whole slots and guarded against the ring overwriting it), the
    // records read into "datafile.hdm" and shown in the archive's viewer.
    void read(ArchiveKind kind);

private:
    RequestContext context_;
    ArchiveWindows& windows_;
    const WorkDirectory& directory_;
    PcClock pcClock_;
    RecordWriteWait wait_;
};
