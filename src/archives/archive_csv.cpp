#include "archives/archive_csv.h"

#include <QStringList>

namespace {

const QChar Separator = QLatin1Char(';');

QString columnName(const QStringList& captionLines)
{
    QStringList words;
    for (const QString& line : captionLines)
        if (!line.trimmed().isEmpty())
            words << line.trimmed();
    return words.join(QLatin1Char(' '));
}

} // namespace

QByteArray archiveCsv(const ArchiveTable& table)
{
    QStringList names;
    for (const QStringList& caption : table.statusCaptions() + table.valueCaptions())
        names << columnName(caption);
    QByteArray csv = names.join(Separator).toUtf8() + '\n';

    const auto statusColumns = static_cast<int>(table.statusCaptions().size());
    const auto valueColumns = static_cast<int>(table.valueCaptions().size());
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < statusColumns; ++column)
            cells << table.statusText(row, column);
        for (int column = 0; column < valueColumns; ++column)
            cells << table.valueText(row, column);
        csv += cells.join(Separator).toUtf8() + '\n';
    }
    return csv;
}
