#pragma once

#include "archives/archive_file.h"
#include "tables/archive_period.h"

#include <optional>

// What the archive commands ask of the windows around them.
class ArchiveWindows {
public:
    virtual ~ArchiveWindows() = default;

    // The period dialog on the archive's bounds, with the controller's time
    // `now` for its preset choices; none when the operator cancelled.
    virtual std::optional<Period> choosePeriod(PeriodMode mode, const ArchiveBounds& bounds,
                                               const DateStamp& now) = 0;
    // The archive's viewer, modal, on the header and the records as read.
    virtual void showArchive(const ArchiveFile& file) = 0;
    // Panel 2 holds a transient text: the message timer clears it a while later.
    virtual void startMessageTimer() = 0;
};
