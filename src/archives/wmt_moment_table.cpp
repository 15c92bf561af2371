#include "archives/wmt_moment_table.h"

#include "archives/archive_cell_texts.h"
#include "archives/archive_stamps.h"
#include "archives/wmt_columns.h"
#include "archives/wmt_moment_record.h"
#include "archives/wmt_value_text.h"

namespace {
enum Column { Date, Time, Flags, MeterStatus };
const QString Indent = QStringLiteral("  ");
} // namespace

WmtMomentTable::WmtMomentTable(QString caption, const ArchiveRecords& records)
    : ArchiveTable(std::move(caption), records.count(), WmtParamsSize)
{
    statusCaptions_ = {{QStringLiteral("Дата")},
                       {QStringLiteral("Время")},
                       {QStringLiteral("Статус"), QStringLiteral("контроллера")},
                       {QStringLiteral(" Признаки "), QStringLiteral("состояния"), QStringLiteral("влагомера")}};
    valueCaptions_ = wmtColumnCaptions();
    valueKeys_ = wmtColumnKeys();
    rows_.reserve(static_cast<std::size_t>(rowCount()));
    for (int index = 0; index < rowCount(); ++index) {
        const auto record = records.at<WmtMomentRecord>(index);
        const Row row{record.stamp(), record.flags(), record.meterStatus(), record.intact(), record.values()};
        if (row.intact && wmtShowsValues(row.flags))
            means_.add(row.values);
        rows_.push_back(row);
    }
}

QString WmtMomentTable::statusText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return column == Date ? CellText::DamagedFirst : column == Time ? CellText::WmtDamagedSecond : QString();
    switch (column) {
    case Date:
        return CellText::date(row.stamp, Indent);
    case Time:
        return CellText::time(row.stamp.hour, row.stamp.minute, row.stamp.second, Indent);
    case Flags:
        return row.flags == 0 ? QStringLiteral("  Норма") : QString::asprintf("  0x%02X", row.flags);
    default:
        break;
    }
    if ((row.flags & WmtMomentRecord::SwitchedOff) != 0)
        return {};
    if ((row.flags & WmtMomentRecord::NoMeterLink) != 0)
        return QStringLiteral(" Нет связи");
    return row.meterStatus == 0 ? QStringLiteral("  Норма") : QString::asprintf("  0x%04X", row.meterStatus);
}

QString WmtMomentTable::valueText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return {};
    return wmtValueCell(row.flags, row.values[static_cast<std::size_t>(column)]);
}

QDateTime WmtMomentTable::rowMoment(int index) const
{
    return dateTimeOf(rows_[static_cast<std::size_t>(index)].stamp);
}

ArchiveSample WmtMomentTable::sample(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    return wmtSample(row.intact, row.flags, row.values[static_cast<std::size_t>(column)]);
}
