#include "archives/wmt_interval_table.h"

#include "archives/archive_cell_texts.h"
#include "archives/archive_stamps.h"
#include "archives/wmt_columns.h"
#include "archives/wmt_interval_record.h"
#include "archives/wmt_value_text.h"

namespace {
enum Column { Date, Start, End, Status };
const QString Indent = QStringLiteral("  ");
} // namespace

WmtIntervalTable::WmtIntervalTable(QString caption, const ArchiveRecords& records)
    : ArchiveTable(std::move(caption), records.count(), WmtParamsSize)
{
    statusCaptions_ = {{QStringLiteral("Дата")},
                       {QStringLiteral("Время"), QStringLiteral("Начало")},
                       {QStringLiteral("Время"), QStringLiteral("Конец")},
                       {QStringLiteral("Статус")}};
    valueCaptions_ = wmtColumnCaptions();
    valueKeys_ = wmtColumnKeys();
    const bool daily = records.kind() == ArchiveKind::WmtDaily;
    rows_.reserve(static_cast<std::size_t>(rowCount()));
    for (int index = 0; index < rowCount(); ++index) {
        const auto record = records.at<WmtIntervalRecord>(index);
        const Row row{record.start(),  record.end(),    daily && !record.dailyFlag(),
                      record.status(), record.intact(), record.values()};
        if (row.intact && wmtShowsValues(row.status))
            means_.add(row.values);
        rows_.push_back(row);
    }
}

QString WmtIntervalTable::statusText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return column == Date ? CellText::DamagedFirst : column == Start ? CellText::WmtDamagedSecond : QString();
    switch (column) {
    case Date:
        return CellText::date(row.start, Indent);
    case Start:
        return CellText::time(row.start.hour, row.start.minute, row.start.second, Indent);
    case End:
        return CellText::time(row.end.hour, row.end.minute, row.end.second, Indent) +
               (row.unflaggedDay ? QStringLiteral("*") : QString());
    default:
        break;
    }
    return row.status == 0 ? QStringLiteral("  Норма") : QString::asprintf("  0x%02X", row.status);
}

QString WmtIntervalTable::valueText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return {};
    return wmtValueCell(row.status, row.values[static_cast<std::size_t>(column)]);
}

QDateTime WmtIntervalTable::rowMoment(int index) const
{
    return dateTimeOf(rows_[static_cast<std::size_t>(index)].start);
}

ArchiveSample WmtIntervalTable::sample(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    return wmtSample(row.intact, row.status, row.values[static_cast<std::size_t>(column)]);
}
