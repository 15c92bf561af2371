#pragma once

#include "archives/archive_file_header.h"
#include "archives/archive_records.h"
#include "base/input_problem.h"
#include "base/safe_save.h"

#include <QString>
#include <variant>

// An archive data file: the header, then the records oldest first, nothing after them.
struct ArchiveFile {
    ArchiveFileHeader header;
    ArchiveRecords records;
};

// The file at `path` as one of `kind`'s files. "Ошибка открытия файла" when it
// cannot be opened; a file whose header is not of the archive (signature,
// device, chromatograph type 2) is refused with "Файл %s не является файлом,
// содержащим" (the name without its folder) and the archive's own second line.
// The header's count is believed only as far as the file holds whole records,
// so no more is read or kept than the file's size.
std::variant<ArchiveFile, InputProblem> readArchiveFile(ArchiveKind kind, const QString& path);

// Replaces the file at `path` with the header and the records as they were read;
// the header's count becomes that of the records, so that a file read short is
// saved consistent. On failure the old file stays.
SaveResult writeArchiveFile(const QString& path, const ArchiveFile& file);
