#pragma once

#include "archives/archive_file_header.h"
#include "logs/log_kind.h"
#include "logs/log_texts.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>

// One record of a log as its viewer, its printout and its file show it: the
// seven cells in column order. A damaged record (its checksum is wrong) shows
// "   ***" as its date and nothing else.
struct LogRow {
    QStringList cells;
    bool damaged = false;
};

// A log as read or as loaded from a file: the header of its file and its rows, oldest first.
struct LogTable {
    LogKind kind;
    ArchiveFileHeader header;
    QList<LogRow> rows;

    bool anyDamaged() const;
};

inline constexpr int LogColumns = 7;

// What a log's file header holds about the reading: the stamps of the first and
// last record (by index) or the requested period (by period), to the second.
struct LogReadingFacts {
    QByteArrayView controllerName; // the 20 bytes of table 5 as the image holds them
    std::uint8_t address;
    DateStamp pcTime;
    DateStamp start;
    DateStamp end;
    std::uint8_t chromatographType;
    std::uint8_t moistureMeterType; // kept only in diagnostic files
};

ArchiveFileHeader logFileHeader(LogKind kind, const LogReadingFacts& facts, std::uint32_t count);

// The rows of `records` (records of `kind` back to back), decoded.
QList<LogRow> decodeLogRecords(LogKind kind, QByteArrayView records, const LogDecodingContext& context);
