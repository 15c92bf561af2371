#include "archives/chrom_interval_table.h"

#include "archives/archive_captions.h"
#include "archives/archive_cell_texts.h"
#include "archives/archive_stamps.h"
#include "gas/gas_record_recalc.h"

#include <cmath>

namespace {

enum Column { Date, Start, End, Status };

const QString Indent = QStringLiteral("   ");
// Less methane than this is no analysis.
constexpr float LeastMethane = 0.001f;

bool hasData(std::uint8_t status, const GasParams& shown)
{
    const float methane = shown[GasSlot::Methane];
    return (status & (ChromIntervalRecord::SwitchedOff | ChromIntervalRecord::NoHmuLink)) == 0 &&
           std::isfinite(methane) && methane >= LeastMethane;
}

} // namespace

ChromIntervalTable::ChromIntervalTable(QString caption, const ArchiveFile& file, const ReportSettings& settings)
    : ArchiveTable(std::move(caption), file.records.count(), GasParamsSize),
      daily_(file.records.kind() == ArchiveKind::ChromDaily),
      columns_(settings, ComponentSlotMap().forChromatographType(file.header.chromatographType()))
{
    methodLabel_ = calculationMethodLabel(settings);
    statusCaptions_ = {{QStringLiteral("Дата")},
                       {QStringLiteral("Время"), QStringLiteral("Начало")},
                       {QStringLiteral("Время"), QStringLiteral("Конец")},
                       {QStringLiteral("Статус")}};
    valueCaptions_ = columns_.captions();
    valueKeys_ = GasColumns::keys();
    serviceColumns_ = {Status};

    rows_.reserve(static_cast<std::size_t>(rowCount()));
    for (int index = 0; index < rowCount(); ++index) {
        const auto record = file.records.at<ChromIntervalRecord>(index);
        Row row{
            record.start(), record.end(), daily_ && !record.dailyFlag(), record.status(), record.intact(), false, {}};
        if (row.intact) {
            row.shown = recalcGasRecord(record.gasParams(), settings, columns_.slotMap());
            row.showsValues = hasData(row.status, row.shown);
            if (row.showsValues)
                means_.add(row.shown);
        }
        rows_.push_back(row);
    }
}

QString ChromIntervalTable::endText(const Row& row) const
{
    return CellText::time(row.end.hour, row.end.minute, row.end.second, Indent) +
           (row.unflaggedDay ? QStringLiteral("*") : QString());
}

QString ChromIntervalTable::statusText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return column == Date ? CellText::DamagedFirst : column == Start ? CellText::DamagedSecond : QString();
    switch (column) {
    case Date:
        return CellText::date(row.start, Indent);
    case Start:
        return CellText::time(row.start.hour, row.start.minute, row.start.second, Indent);
    case End:
        return endText(row);
    default:
        break;
    }
    return row.status == 0 ? QStringLiteral("    Норма") : QString::asprintf("     0x%02X", row.status);
}

QString ChromIntervalTable::valueText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact || !columns_.present(column))
        return {};
    if (!row.showsValues)
        return QStringLiteral(" ---");
    // A mean that a substitute value went into is marked.
    return columns_.valueText(row.shown, column, row.status != 0 ? QStringLiteral("\"") : QStringLiteral(" "));
}

std::optional<RecordStatus> ChromIntervalTable::recordStatus(int index) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return std::nullopt;
    const DateStamp& s = row.start;
    const QString caption = QString::asprintf(" %s данные с %02d.%02d.%02d %02d:%02d:%02d по %02d:%02d:%02d",
                                              daily_ ? "Суточные" : "Часовые", s.day, s.month, s.year, s.hour, s.minute,
                                              s.second, row.end.hour, row.end.minute, row.end.second);
    return RecordStatus{ChromStatusMode::Interval, row.status, 0,
                        caption + (row.unflaggedDay ? QStringLiteral("*") : QString())};
}

QDateTime ChromIntervalTable::rowMoment(int index) const
{
    return dateTimeOf(rows_[static_cast<std::size_t>(index)].start);
}

ArchiveSample ChromIntervalTable::sample(int index, int column) const
{
    using State = ArchiveSample::State;
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return {State::Damaged};
    if (!row.showsValues || !columns_.present(column))
        return {State::Missing};
    // The same rule as the '"' after the value in the table.
    return {row.status != 0 ? State::Substituted : State::Measured, columns_.value(row.shown, column)};
}
