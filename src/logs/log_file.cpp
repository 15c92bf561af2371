#include "logs/log_file.h"

#include "base/windows1251.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr std::uint8_t ServedChromatographType = ArchiveFileHeader::ServedChromatographType;

QString fieldText(QByteArrayView field)
{
    const qsizetype end = field.indexOf('\0');
    return fromWindows1251(end < 0 ? field : field.first(end));
}

bool allZero(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte == 0; });
}

} // namespace

QByteArray logRowBytes(LogKind kind, const LogRow& row)
{
    const LogKindInfo& info = logKindInfo(kind);
    QByteArray bytes;
    bytes.reserve(info.rowSize);
    if (row.damaged && kind == LogKind::Diagnostics)
        return QByteArray(info.rowSize, '\0');
    for (int column = 0; column < LogColumns; ++column) {
        const int width = info.fieldWidths[column];
        QByteArray field = toWindows1251(column < row.cells.size() ? row.cells[column] : QString());
        field.truncate(width - 1);
        bytes += field + QByteArray(width - field.size(), '\0');
    }
    return bytes;
}

LogRow logRowFromBytes(LogKind kind, QByteArrayView bytes)
{
    const LogKindInfo& info = logKindInfo(kind);
    const QByteArray padded = bytes.toByteArray().leftJustified(info.rowSize, '\0', true);
    LogRow row;
    qsizetype at = 0;
    for (const int width : info.fieldWidths) {
        row.cells << fieldText(QByteArrayView(padded).sliced(at, width));
        at += width;
    }
    row.damaged = allZero(padded) || row.cells[0] == QStringLiteral("   ***");
    return row;
}

std::variant<LogTable, InputProblem> readLogFile(LogKind kind, const QString& path)
{
    const LogKindInfo& info = logKindInfo(kind);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return InputProblem{QStringLiteral("Ошибка открытия файла"), {}};
    const QByteArray head = file.read(ArchiveFileHeader::Size);
    const ArchiveFileHeader header = ArchiveFileHeader::fromBytes(head);
    if (head.size() < ArchiveFileHeader::Size || header.signature() != info.signature ||
        header.chromatographType() != ServedChromatographType)
        return InputProblem{QStringLiteral("Файл %1 не является файлом, содержащим").arg(QFileInfo(path).fileName()),
                            QString::fromUtf8(info.notThisLog)};
    const qint64 held = (file.size() - ArchiveFileHeader::Size) / info.rowSize;
    const qint64 count = std::min<qint64>(header.count(), held);
    LogTable table{kind, header, {}};
    for (qint64 i = 0; i < count; ++i)
        table.rows << logRowFromBytes(kind, file.read(info.rowSize));
    table.header.setCount(static_cast<std::uint32_t>(count));
    return table;
}

SaveResult writeLogFile(const QString& path, const LogTable& table)
{
    ArchiveFileHeader header = table.header;
    header.setCount(static_cast<std::uint32_t>(table.rows.size()));
    QByteArray rows;
    for (const LogRow& row : table.rows)
        rows += logRowBytes(table.kind, row);
    return replaceFile(path, {header.bytes(), rows});
}
