#include "archives/archive_table.h"

#include "archives/archive_captions.h"
#include "archives/chrom_interval_table.h"
#include "archives/chrom_moment_table.h"
#include "archives/wmt_interval_table.h"
#include "archives/wmt_moment_table.h"

ArchiveTable::ArchiveTable(QString caption, int rowCount, int valueCount)
    : means_(valueCount), caption_(std::move(caption)), rowCount_(rowCount)
{
}

std::unique_ptr<ArchiveTable> ArchiveTable::of(const ArchiveFile& file, const ReportSettings& settings)
{
    const ArchiveKind kind = file.records.kind();
    const QString caption = archiveWindowCaption(kind, file.header);
    switch (archiveKindInfo(kind).layout) {
    case RecordLayout::ChromMoment:
        return std::make_unique<ChromMomentTable>(caption, file, settings);
    case RecordLayout::ChromInterval:
        return std::make_unique<ChromIntervalTable>(caption, file, settings);
    case RecordLayout::WmtMoment:
        return std::make_unique<WmtMomentTable>(caption, file.records);
    case RecordLayout::WmtInterval:
        break;
    }
    return std::make_unique<WmtIntervalTable>(caption, file.records);
}

std::optional<RecordStatus> ArchiveTable::recordStatus(int) const
{
    return std::nullopt;
}

bool ArchiveTable::columnPresent(int) const
{
    return true;
}

std::optional<ColumnSetPoints> ArchiveTable::columnSetPoints(int) const
{
    return std::nullopt;
}
