#include "reports/log_printout.h"

#include "reports/page_frame.h"

#include <algorithm>

namespace {

constexpr ReportFont CellFont{ReportTypeface::Sans, 7.0, false};
constexpr double RowHeight = 2.9; // mm
constexpr double HeadingLine = 3.0;
constexpr double HeadingLines = 3;
// Rows under the head and the headings of every page.
constexpr int RowsPerPage = 75;

// One printed column: its heading lines and, over it, the heading of its group.
struct LogColumn {
    QStringList heading;
    double width;
    QString group;
};

QList<LogColumn> logColumns(LogKind kind)
{
    const LogColumn date{{QStringLiteral("Дата")}, 16.0, {}};
    const LogColumn time{{QStringLiteral("Время")}, 14.0, {}};
    const LogColumn unit{{QStringLiteral("Единица"), QStringLiteral("измер.")}, 16.0, {}};
    if (kind == LogKind::Interventions)
        return {date,
                time,
                {{QStringLiteral("Наименование  параметра")}, 70.0, {}},
                {{QStringLiteral("Старое"), QStringLiteral("значение")}, 24.0, {}},
                {{QStringLiteral("Новое"), QStringLiteral("значение")}, 24.0, {}},
                unit,
                {{QStringLiteral("Имя"), QStringLiteral("оператора")}, 16.0, {}}};
    const QString message = QStringLiteral("Сообщение");
    return {date,
            time,
            {{QStringLiteral("Событие")}, 52.0, message},
            {{QStringLiteral("Объект / Причина")}, 48.0, message},
            {{QStringLiteral("Текущее"), QStringLiteral("значение"), QStringLiteral("параметра")}, 22.0, {}},
            {{QStringLiteral("Значение"), QStringLiteral("уставки")}, 18.0, {}},
            unit};
}

PageHead logPageHead(const LogTable& table, const QString& organisation)
{
    const ArchiveFileHeader& header = table.header;
    const DateStamp start = header.periodStart(6);
    const DateStamp end = header.periodEnd(6);
    const DateStamp read = header.pcTime();
    const bool interventions = table.kind == LogKind::Interventions;
    return {organisation,
            QStringLiteral("Хроматограф \"%1\"  (адрес %2)").arg(controllerName(header)).arg(header.address()),
            {interventions ? QStringLiteral("Перечень сообщений о вмешательствах оператора")
                           : QStringLiteral("Перечень диагностических сообщений"),
             interventions ? QStringLiteral("в работу контроллерa ККГ_04") : QStringLiteral("контроллерa ККГ_04"),
             QString::asprintf("За период  с  %02d.%02d.%02d %02d:%02d:%02d  по %02d.%02d.%02d %02d:%02d:%02d",
                               start.day, start.month, start.year, start.hour, start.minute, start.second, end.day,
                               end.month, end.year, end.hour, end.minute, end.second)},
            QString::asprintf("Составлен программой gqc_04  %02d.%02d.%02d %02d:%02d:%02d", read.day, read.month,
                              read.year, read.hour, read.minute, read.second)};
}

ReportBand headingBand(const QList<LogColumn>& columns)
{
    ReportBand band{HeadingLine * HeadingLines, CellFont, {}};
    double x = 0;
    for (qsizetype index = 0; index < columns.size(); ++index) {
        const LogColumn& column = columns[index];
        double below = 0;
        if (!column.group.isEmpty()) {
            below = HeadingLine;
            if (index == 0 || columns[index - 1].group != column.group) {
                double width = 0;
                for (qsizetype next = index; next < columns.size() && columns[next].group == column.group; ++next)
                    width += columns[next].width;
                band.cells.append({QRectF(x, 0, width, HeadingLine), column.group, Qt::AlignCenter, true});
            }
        }
        band.cells.append(
            {QRectF(x, below, column.width, band.height - below), column.heading.join('\n'), Qt::AlignCenter, true});
        x += column.width;
    }
    return band;
}

ReportBand rowBand(const QList<LogColumn>& columns, const LogRow& row)
{
    ReportBand band{RowHeight, CellFont, {}};
    double x = 0;
    for (qsizetype column = 0; column < columns.size(); ++column) {
        band.cells.append({QRectF(x, 0, columns[column].width, RowHeight), row.cells.value(column).trimmed(),
                           Qt::AlignLeft | Qt::AlignVCenter, true});
        x += columns[column].width;
    }
    return band;
}

} // namespace

ReportDocument logPrintout(const LogTable& table, const QString& organisation)
{
    const QList<LogColumn> columns = logColumns(table.kind);
    const QList<ReportBand> head = pageHeadBands(logPageHead(table, organisation));
    const auto rows = static_cast<int>(table.rows.size());
    const int pages = std::max(1, (rows + RowsPerPage - 1) / RowsPerPage);
    ReportDocument document;
    for (int page = 0; page < pages; ++page) {
        ReportPage printed;
        printed.bands = head;
        printed.bands.append(headingBand(columns));
        for (int row = page * RowsPerPage; row < std::min(rows, (page + 1) * RowsPerPage); ++row)
            printed.bands.append(rowBand(columns, table.rows[row]));
        printed.footer = pageFooterBand(page + 1, pages);
        document.pages.append(printed);
    }
    return document;
}
