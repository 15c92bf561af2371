#pragma once

#include "cli/cli_options.h"
#include "link/hgcbox.h"
#include "settings/settings_block.h"

#include <QString>
#include <QTextStream>
#include <array>
#include <functional>
#include <optional>

class WorkDirectory;

// A subscriber of one of the lists, as collect reaches it.
struct CollectStation {
    QString name;
    bool phone = false;
    QString host; // Ethernet: the dotted address and the port
    QString service;
    QString number; // phone: the number dialled
    std::uint8_t address = 1;
};

// What a station's run brought: records of each archive and log read (none
// when it was not asked for), report files made, and why it failed (empty
// when it did not).
struct StationResult {
    QString name;
    std::array<std::optional<int>, 4> archiveRecords; // in the order of CollectedArchives
    std::array<std::optional<int>, 2> logRecords;     // interventions, diagnostics
    int reports = 0;
    QString failure;
};

// What every station of a run shares.
struct CollectSetup {
    const CliOptions& options;
    const WorkDirectory& directory;
    const SettingsBlock& settings;
    std::function<void(hgcbox&)> prepareEngine; // puts in the command line's credentials
};

// The folder of a station's files: STATIONS/NAME of the working directory,
// the name made fit for a file name.
QString stationFolder(const WorkDirectory& directory, const QString& name);

// Connects to the station, identifies it, and fetches the daily and hourly
// archives of both instruments and both logs from where its collect.ini says
// the last run stopped (else from --since, else the last 31 days; the logs'
// newest 1000 records), into the archive and log files of its folder. Each
// file saved moves collect.ini on, so a run cut short resumes after the last
// record it saved. Then the daily certificate (or passport) PDF and the day
// workbook of each new gas day go into its REPORT folder. Its messages go to
// `errors`, each line led by the station's name.
StationResult collectStation(const CollectStation& station, const CollectSetup& setup, QTextStream& errors);
