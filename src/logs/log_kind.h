#pragma once

#include <QString>
#include <array>
#include <cstdint>

class WorkDirectory;

// The controller's two event logs.
enum class LogKind { Interventions, Diagnostics };

// Everything that differs between the two logs; every routine over logs takes
// its numbers and texts from here.
struct LogKindInfo {
    LogKind kind;
    std::uint8_t selector;          // L of the requests: 1 interventions, 0 diagnostics
    std::uint8_t boundsTable;       // its oldest and newest global index
    int recordSize;                 // of a record as the controller sends it
    int rowSize;                    // of a decoded text row in a saved file
    std::array<int, 7> fieldWidths; // of the row's fields, in column order
    const char* signature;          // file header bytes 0–2
    const char* temporaryFile;
    const char* extension;
    QString (WorkDirectory::*folder)() const;
    const char* messageLine;  // first line of what a reading reports, and the start of the viewer's caption
    const char* indexCaption; // of the index dialog
    const char* errorLine;    // second line when the controller found an error in the log
    const char* notThisLog;   // second line of the refusal of a foreign file
};

const LogKindInfo& logKindInfo(LogKind kind);
