#pragma once

#include "app/archive_windows.h"

#include <QList>

// The period dialog answers as told and remembers what it was shown; the viewer keeps what it showed.
class ScriptedArchiveWindows : public ArchiveWindows {
public:
    std::optional<Period> period; // none: the operator cancels
    int periodDialogs = 0;
    PeriodMode shownMode = PeriodMode::Hourly;
    ArchiveBounds shownBounds;
    DateStamp shownNow;
    QList<ArchiveFile> shown;

    std::optional<Period> choosePeriod(PeriodMode mode, const ArchiveBounds& bounds, const DateStamp& now) override
    {
        ++periodDialogs;
        shownMode = mode;
        shownBounds = bounds;
        shownNow = now;
        return period;
    }
    void showArchive(const ArchiveFile& file) override { shown << file; }
    void startMessageTimer() override {}
};
