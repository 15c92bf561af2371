// An archive data file as it may be found: any length, any count in its header.
// Input: one byte choosing the archive (value mod 6, in the order of
// ArchiveKind), then the file. An accepted file keeps no more records than its
// count says and its bytes hold; every record decodes; the file written back
// holds the header with the count of the records kept, then the records, and
// reads again as the same file.
#include "archives/archive_file.h"
#include "archives/chrom_interval_record.h"
#include "archives/chrom_moment_record.h"
#include "archives/wmt_interval_record.h"
#include "archives/wmt_moment_record.h"
#include "support/fuzz_check.h"
#include "support/fuzz_file.h"
#include "support/fuzz_input.h"

namespace {

void checkEndHour(const IntervalRecord& record)
{
    fuzzCheck(record.end().hour <= 0x7F, "the end hour leaves out the daily flag");
}

// Reads every field of every record through the record's own type.
void decodeRecords(const ArchiveRecords& records)
{
    for (int i = 0; i < records.count(); ++i) {
        switch (archiveKindInfo(records.kind()).layout) {
        case RecordLayout::ChromMoment: {
            const auto record = records.at<ChromMomentRecord>(i);
            (void)record.stamp(), (void)record.flags(), (void)record.chromatographStatus(), (void)record.gasParams();
            break;
        }
        case RecordLayout::WmtMoment: {
            const auto record = records.at<WmtMomentRecord>(i);
            (void)record.stamp(), (void)record.flags(), (void)record.meterStatus(), (void)record.values();
            break;
        }
        case RecordLayout::ChromInterval: {
            const auto record = records.at<ChromIntervalRecord>(i);
            (void)record.start(), (void)record.status(), (void)record.gasParams();
            checkEndHour(record);
            break;
        }
        case RecordLayout::WmtInterval: {
            const auto record = records.at<WmtIntervalRecord>(i);
            (void)record.start(), (void)record.status(), (void)record.values();
            checkEndHour(record);
            break;
        }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const QList<ArchiveKind> kinds = archiveKinds();
    const ArchiveKind kind = kinds[input.takeByte() % kinds.size()];
    const QByteArrayView file = input.rest();
    const auto read = readArchiveFile(kind, writeScratchFile(QStringLiteral("archive.dat"), file));
    if (const auto* problem = std::get_if<InputProblem>(&read)) {
        fuzzCheck(problem->line1.endsWith(QStringLiteral(" не является файлом, содержащим")),
                  "a file that opens is refused only as a foreign one");
        return 0;
    }
    const ArchiveFile& accepted = std::get<ArchiveFile>(read);
    const int recordSize = archiveKindInfo(kind).recordSize;
    fuzzCheck(file.size() >= ArchiveFileHeader::Size, "an accepted file holds a whole header");
    fuzzCheck(accepted.header.bytes() == file.first(ArchiveFileHeader::Size), "the header is taken as it is");
    fuzzCheck(accepted.records.count() <= qint64(accepted.header.count()), "no more records than the count");
    fuzzCheck(accepted.records.bytes() ==
                  file.sliced(ArchiveFileHeader::Size, qsizetype(accepted.records.count()) * recordSize),
              "the records are the file's bytes after the header");
    fuzzCheck(qint64(accepted.records.count()) ==
                  std::min<qint64>(accepted.header.count(), (file.size() - ArchiveFileHeader::Size) / recordSize),
              "every whole record up to the count is kept");
    decodeRecords(accepted.records);

    const QString saved = scratchPath(QStringLiteral("archive_saved.dat"));
    fuzzCheck(!writeArchiveFile(saved, accepted).failed(), "the file can be written");
    ArchiveFileHeader counted = accepted.header;
    counted.setCount(static_cast<std::uint32_t>(accepted.records.count()));
    fuzzCheck(readWholeFile(saved) == counted.bytes() + accepted.records.bytes(),
              "the file written is the header with the count kept, then the records");
    const auto again = readArchiveFile(kind, saved);
    fuzzCheck(std::holds_alternative<ArchiveFile>(again) &&
                  std::get<ArchiveFile>(again).header.bytes() == counted.bytes() &&
                  std::get<ArchiveFile>(again).records.bytes() == accepted.records.bytes(),
              "the file written reads again as the same file");
    return 0;
}
