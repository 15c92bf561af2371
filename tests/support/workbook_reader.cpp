#include "support/workbook_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace {

const char* const Reader = R"(
import json, sys
from openpyxl import load_workbook
from openpyxl.utils import get_column_letter
sheet = load_workbook(sys.argv[1]).active
def sides(border):
    return ''.join(s for s, side in zip('LRTB', (border.left, border.right, border.top, border.bottom))
                   if side is not None and side.style == 'thin')
cells = {}
for row in sheet.iter_rows():
    for cell in row:
        cells[cell.coordinate] = {
            'value': cell.value, 'format': cell.number_format, 'font': cell.font.name, 'size': cell.font.sz,
            'align': cell.alignment.horizontal, 'fill': cell.fill.fgColor.rgb if cell.fill.fill_type else None,
            'borders': sides(cell.border)}
widths = {}
for dimension in sheet.column_dimensions.values():
    for column in range(dimension.min, dimension.max + 1):
        widths[get_column_letter(column)] = dimension.width
json.dump({'rows': sheet.max_row, 'merged': sorted(str(r) for r in sheet.merged_cells.ranges),
           'widths': widths, 'cells': cells,
           'heights': {str(n): d.height for n, d in sheet.row_dimensions.items() if d.height is not None}},
          sys.stdout)
)";

} // namespace

QString WorkbookSheet::text(const QString& reference) const
{
    return style(reference, QStringLiteral("value"));
}

QString WorkbookSheet::thinSides(const QString& reference) const
{
    return style(reference, QStringLiteral("borders"));
}

QString WorkbookSheet::style(const QString& reference, const QString& property) const
{
    return cells.value(reference).toObject().value(property).toVariant().toString();
}

WorkbookSheet readWorkbook(const QString& path)
{
    WorkbookSheet sheet;
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(Reader), path});
    if (!python.waitForFinished(-1) || python.exitCode() != 0) {
        sheet.problem = QString::fromUtf8(python.readAllStandardError()) + python.errorString();
        return sheet;
    }
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    sheet.rowCount = read.value(QStringLiteral("rows")).toInt();
    for (const QJsonValue& range : read.value(QStringLiteral("merged")).toArray())
        sheet.mergedRanges << range.toString();
    const QJsonObject widths = read.value(QStringLiteral("widths")).toObject();
    for (auto width = widths.begin(); width != widths.end(); ++width)
        sheet.columnWidths.insert(width.key(), width.value().toDouble());
    const QJsonObject heights = read.value(QStringLiteral("heights")).toObject();
    for (auto height = heights.begin(); height != heights.end(); ++height)
        sheet.rowHeights.insert(height.key().toInt(), height.value().toDouble());
    sheet.cells = read.value(QStringLiteral("cells")).toObject();
    return sheet;
}
