#include "logs/log_table.h"

#include <algorithm>

namespace {

constexpr int LogDevice = 0;
const QString DamagedDate = QStringLiteral("   ***");

LogRow damagedRow()
{
    QStringList cells(LogColumns);
    cells[0] = DamagedDate;
    return {cells, true};
}

} // namespace

bool LogTable::anyDamaged() const
{
    return std::any_of(rows.begin(), rows.end(), [](const LogRow& row) { return row.damaged; });
}

ArchiveFileHeader logFileHeader(LogKind kind, const LogReadingFacts& facts, std::uint32_t count)
{
    const LogKindInfo& info = logKindInfo(kind);
    return ArchiveFileHeader::compose({
        .signature = info.signature,
        .device = LogDevice,
        .controllerName = facts.controllerName,
        .address = facts.address,
        .pcTime = facts.pcTime,
        .periodStart = facts.start,
        .periodEnd = facts.end,
        .periodStampLength = 6,
        .count = count,
        .chromatographType = facts.chromatographType,
        .moistureMeterType = kind == LogKind::Diagnostics ? facts.moistureMeterType : std::uint8_t{0},
    });
}

QList<LogRow> decodeLogRecords(LogKind kind, QByteArrayView records, const LogDecodingContext& context)
{
    const int size = logKindInfo(kind).recordSize;
    QList<LogRow> rows;
    for (qsizetype at = 0; at + size <= records.size(); at += size) {
        const QByteArrayView record = records.sliced(at, size);
        if (kind == LogKind::Interventions) {
            const std::optional<InterventionText> text = interventionText(record, context);
            rows << (text ? LogRow{{text->date, text->time, text->parameter, text->oldValue, text->newValue, text->unit,
                                    text->operatorName}}
                          : damagedRow());
        } else {
            const std::optional<DiagnosticText> text = diagnosticText(record, context);
            rows << (text ? LogRow{{text->date, text->time, text->event, text->object, text->currentValue,
                                    text->setPoint, text->unit}}
                          : damagedRow());
        }
    }
    return rows;
}
