#pragma once

#include "app/settings_block.h"
#include "app/work_directory.h"
#include "archives/archive_reading_choices.h"
#include "reports/report_settings.h"

#include <QDateTime>
#include <QSize>

// The program's state for the whole run: its directory tree, the settings and
// side files loaded at start-up, and the connection state.
class AppState {
public:
    // Start-up: makes sure the directory tree exists and loads the settings and
    // the side files; anything missing or unreadable takes its defaults, silently.
    AppState(const WorkDirectory& directory, QSize screen, const QDateTime& now);

    // Writes the changed settings regions and the archive-reading choices.
    void saveState();
    // At close: saveState(), then the temporary data files are deleted.
    void closeDown();

    const WorkDirectory directory;
    SettingsBlock settings;
    ArchiveReadingChoices archiveChoices;
    ReportSettings reportSettings;
    bool connected = false;
};
