#include "archives/chrom_moment_table.h"

#include "archives/archive_captions.h"
#include "archives/archive_cell_texts.h"
#include "archives/archive_stamps.h"
#include "archives/chrom_moment_record.h"
#include "gas/gas_record_recalc.h"

namespace {

enum Column { Date, Time, Flags, StatusWord };

const QString Indent = QStringLiteral("  ");

bool switchedOff(std::uint8_t flags)
{
    return (flags & ChromMomentRecord::SwitchedOff) != 0;
}

bool noLink(std::uint8_t flags)
{
    return (flags & ChromMomentRecord::NoHmuLink) != 0;
}

bool calibrating(std::uint8_t flags)
{
    return (flags & ChromMomentRecord::AutomaticCalibration) != 0;
}

bool showsValues(std::uint8_t flags)
{
    return !switchedOff(flags) && !noLink(flags) && !calibrating(flags);
}

// The controller put a substitute into the analysis: the chromatograph was
// abnormal, a value left its limits, or the chromatograph did not update its data.
bool substituted(std::uint8_t flags)
{
    constexpr std::uint8_t SubstituteFlags =
        ChromMomentRecord::ChromatographAbnormal | ChromMomentRecord::OutOfLimits | ChromMomentRecord::NotUpdated;
    return (flags & SubstituteFlags) != 0;
}

} // namespace

ChromMomentTable::ChromMomentTable(QString caption, const ArchiveFile& file, const ReportSettings& settings)
    : ArchiveTable(std::move(caption), file.records.count(), GasParamsSize),
      columns_(settings, ComponentSlotMap().forChromatographType(file.header.chromatographType()))
{
    methodLabel_ = calculationMethodLabel(settings);
    statusCaptions_ = {{QStringLiteral("Дата")},
                       {QStringLiteral("Время")},
                       {QStringLiteral("Статус"), QStringLiteral("контроллера")},
                       {QStringLiteral("Статус"), QStringLiteral("хроматографа")}};
    valueCaptions_ = columns_.captions();
    valueKeys_ = GasColumns::keys();
    serviceColumns_ = {Flags, StatusWord};

    rows_.reserve(static_cast<std::size_t>(rowCount()));
    for (int index = 0; index < rowCount(); ++index) {
        const auto record = file.records.at<ChromMomentRecord>(index);
        Row row{record.stamp(), record.flags(), record.chromatographStatus(), record.intact(), {}};
        if (row.intact) {
            row.shown = recalcGasRecord(record.gasParams(), settings, columns_.slotMap());
            if (showsValues(row.flags))
                means_.add(row.shown);
        }
        rows_.push_back(row);
    }
}

QString ChromMomentTable::statusText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return column == Date ? CellText::DamagedFirst : column == Time ? CellText::DamagedSecond : QString();
    switch (column) {
    case Date:
        return CellText::date(row.stamp, Indent);
    case Time:
        return CellText::time(row.stamp.hour, row.stamp.minute, row.stamp.second, Indent);
    case Flags:
        return row.flags == 0 ? QStringLiteral("Норма") : QString::asprintf("  0x%02X", row.flags);
    default:
        break;
    }
    if (switchedOff(row.flags))
        return {};
    if (noLink(row.flags))
        return QStringLiteral(" Нет связи");
    return row.statusWord == 0 ? QStringLiteral(" Норма") : QString::asprintf(" 0x%04X", row.statusWord);
}

QString ChromMomentTable::valueText(int index, int column) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return {};
    // Calibration fills every column, delivered or not.
    if (!switchedOff(row.flags) && !noLink(row.flags) && calibrating(row.flags))
        return QStringLiteral(" Калибр.");
    if (!columns_.present(column))
        return {};
    if (switchedOff(row.flags))
        return QStringLiteral(" Выкл.");
    if (noLink(row.flags))
        return QStringLiteral("       0");
    return columns_.valueText(row.shown, column);
}

std::optional<RecordStatus> ChromMomentTable::recordStatus(int index) const
{
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return std::nullopt;
    const DateStamp& s = row.stamp;
    return RecordStatus{ChromStatusMode::Moment, row.flags, row.statusWord,
                        QString::asprintf(" Мгновенные 5-минутные данные (%02d.%02d.%02d  %02d:%02d:%02d)", s.day,
                                          s.month, s.year, s.hour, s.minute, s.second)};
}

MomentAnalysis ChromMomentTable::analysis(int index) const
{
    using State = MomentAnalysis::State;
    const Row& row = rows_[static_cast<std::size_t>(index)];
    const State state = !row.intact              ? State::Damaged
                        : switchedOff(row.flags) ? State::SwitchedOff
                        : noLink(row.flags)      ? State::NoLink
                        : calibrating(row.flags) ? State::Calibration
                                                 : State::Valid;
    return {state, row.stamp, row.shown};
}

QDateTime ChromMomentTable::rowMoment(int index) const
{
    return dateTimeOf(rows_[static_cast<std::size_t>(index)].stamp);
}

ArchiveSample ChromMomentTable::sample(int index, int column) const
{
    using State = ArchiveSample::State;
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (!row.intact)
        return {State::Damaged};
    if (!showsValues(row.flags) || !columns_.present(column))
        return {State::Missing};
    return {substituted(row.flags) ? State::Substituted : State::Measured, columns_.value(row.shown, column)};
}
