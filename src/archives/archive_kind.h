#pragma once

#include "tables/archive_period.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

class WorkDirectory;

// The controller's six archives: 5-minute, hourly and daily records of the
// chromatograph and of the moisture meter.
enum class ArchiveKind { ChromFiveMinute, ChromHourly, ChromDaily, WmtFiveMinute, WmtHourly, WmtDaily };

// Which instrument an archive belongs to, as the request and the file header carry it.
enum class ArchiveDevice : std::uint8_t { Chromatograph = 0, MoistureMeter = 1 };

// Which of the four record layouts an archive holds.
enum class RecordLayout { ChromMoment, ChromInterval, WmtMoment, WmtInterval };

// Everything that differs between the archives; every routine over archives
// takes its numbers from here.
struct ArchiveKindInfo {
    ArchiveKind kind;
    const char* menuItem;                    // the main-window command that reads it
    std::uint8_t functionCode;               // of the period request
    std::array<std::uint8_t, 3> requestHead; // request data before the two stamps
    int stampLength;                         // bytes of each period stamp: 5 minute, 4 hour, 3 day
    PeriodMode periodMode;                   // the unit of its records and of its period dialog
    RecordLayout layout;
    int recordSize;
    int fullAnswerRecords; // the most one answer frame holds
    const char* signature; // file header bytes 0–2
    ArchiveDevice device;  // file header byte 3
    QString (WorkDirectory::*folder)() const;
    const char* extension;
    const char* notThisArchive; // second line of the refusal of a foreign file
    const char* readingLine;    // first line of what a reading reports
};

const ArchiveKindInfo& archiveKindInfo(ArchiveKind kind);
QList<ArchiveKind> archiveKinds();
