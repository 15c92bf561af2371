#include "logs/log_csv.h"

#include "logs/log_columns.h"

namespace {

const QChar Separator = QLatin1Char(';');

QString field(const QString& text)
{
    if (!text.contains(Separator) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray logCsv(const LogTable& table)
{
    QStringList names;
    for (const QStringList& heading : logColumnHeadings(table.kind))
        names << heading.join(QLatin1Char(' '));
    QByteArray csv = names.join(Separator).toUtf8() + '\n';
    for (const LogRow& row : table.rows) {
        QStringList cells;
        for (const QString& cell : row.cells)
            cells << field(cell);
        csv += cells.join(Separator).toUtf8() + '\n';
    }
    return csv;
}
