// A log file as it may be found: any length, any count in its header.
// Input: one byte choosing the log (even interventions, odd diagnostics), then
// the file. An accepted file has a whole header of its own log and keeps every
// whole row up to its count; the file written back holds the header with the
// count of the rows kept and rows of the log's width, and reads again with the
// same rows, each field at most cut to leave room for its terminator.
#include "logs/log_file.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const LogKind kind = input.takeByte() % 2 == 0 ? LogKind::Interventions : LogKind::Diagnostics;
    const LogKindInfo& info = logKindInfo(kind);
    const QByteArrayView file = input.rest();
    const auto read = readLogFile(kind, writeScratchFile(QStringLiteral("log.dat"), file));
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        fuzzCheck(problem->line1.endsWith(QStringLiteral(" не является файлом, содержащим")),
                  "a file that opens is refused only as a foreign one");
        return 0;
    }
    const LogTable& accepted = std::get<LogTable>(read);
    fuzzCheck(file.size() >= ArchiveFileHeader::Size, "an accepted file holds a whole header");
    fuzzCheck(file.first(3) == info.signature, "an accepted file is signed by its log");
    const qint64 announced = ArchiveFileHeader::fromBytes(file).count();
    fuzzCheck(accepted.rows.size() ==
                  std::min<qint64>(announced, (file.size() - ArchiveFileHeader::Size) / info.rowSize),
              "every whole row up to the count is kept");

    const QString saved = scratchPath(QStringLiteral("log_saved.dat"));
    fuzzCheck(!writeLogFile(saved, accepted).failed(), "the file can be written");
    const QByteArray written = readWholeFile(saved);
    fuzzCheck(written.size() == ArchiveFileHeader::Size + accepted.rows.size() * qsizetype(info.rowSize),
              "the rows written have the log's width");
    const auto again = readLogFile(kind, saved);
    fuzzCheck(std::holds_alternative<LogTable>(again), "the file written reads again");
    const LogTable& reread = std::get<LogTable>(again);
    fuzzCheck(reread.rows.size() == accepted.rows.size(), "with every row");
    for (qsizetype row = 0; row < reread.rows.size(); ++row)
        for (int column = 0; column < LogColumns; ++column)
            fuzzCheck(accepted.rows[row].cells[column].startsWith(reread.rows[row].cells[column]),
                      "a field is kept or cut, never changed");
    return 0;
}
