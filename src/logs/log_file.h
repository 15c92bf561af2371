#pragma once

#include "base/input_problem.h"
#include "base/safe_save.h"
#include "logs/log_table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <variant>

// A row as a saved file holds it: each field a Windows-1251 text cut to leave
// room for its terminating zero and zero-padded to the field's width (205 bytes
// an intervention row, 300 a diagnostic one). A damaged diagnostic record is
// kept as zeros only.
QByteArray logRowBytes(LogKind kind, const LogRow& row);
// The row of `bytes` (one row's width); a field reaches its first zero or its
// width, whichever comes first.
LogRow logRowFromBytes(LogKind kind, QByteArrayView bytes);

// The file at `path` as a file of `kind`. "Ошибка открытия файла" when it cannot
// be opened; a file shorter than its header, or whose header is not the log's
// (signature, chromatograph type 2), is refused with "Файл %s не является
// файлом, содержащим" (the name without its folder) and the log's own line.
// The header's count is believed only as far as the file holds whole rows.
std::variant<LogTable, InputProblem> readLogFile(LogKind kind, const QString& path);

// Replaces the file at `path` with the header (its count that of the rows) and
// the rows. On failure the old file stays.
SaveResult writeLogFile(const QString& path, const LogTable& table);
