#include "reports/sheet_cells.h"

#include <charconv>
#include <cstring>

namespace {

// The row or column number a node states in its r= attribute ("12" for a row,
// the letters of "AB12" for a cell); 0 when it states none.
int statedRow(pugi::xml_node row)
{
    return row.attribute("r").as_int();
}

int statedColumn(pugi::xml_node cell)
{
    int column = 0;
    for (const char* c = cell.attribute("r").value(); *c >= 'A' && *c <= 'Z' && column <= 16384; ++c)
        column = column * 26 + (*c - 'A' + 1);
    return column;
}

// The child numbered `number` (rows by their r=, cells by the letters of theirs;
// one without r= follows the one before it), made before the first one numbered
// higher when there is none.
template <typename Stated>
pugi::xml_node numberedChild(pugi::xml_node parent, const char* name, int number, Stated stated,
                             const QString& reference)
{
    int previous = 0;
    for (pugi::xml_node child : parent.children(name)) {
        const int own = stated(child) > 0 ? stated(child) : previous + 1;
        if (own == number)
            return child;
        if (own > number) {
            pugi::xml_node made = parent.insert_child_before(name, child);
            made.append_attribute("r").set_value(reference.toUtf8().constData());
            return made;
        }
        previous = own;
    }
    pugi::xml_node made = parent.append_child(name);
    made.append_attribute("r").set_value(reference.toUtf8().constData());
    return made;
}

} // namespace

QString columnLetters(int column)
{
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar('A' + (column - 1) % 26));
    return letters;
}

std::optional<SheetCells> SheetCells::of(pugi::xml_document& sheet)
{
    pugi::xml_node sheetData = sheet.child("worksheet").child("sheetData");
    if (!sheetData)
        return std::nullopt;
    return SheetCells(sheetData);
}

pugi::xml_node SheetCells::emptiedCell(int row, int column)
{
    pugi::xml_node rowNode = numberedChild(sheetData_, "row", row, statedRow, QString::number(row));
    pugi::xml_node cell =
        numberedChild(rowNode, "c", column, statedColumn, columnLetters(column) + QString::number(row));
    while (pugi::xml_node child = cell.first_child())
        cell.remove_child(child);
    // Only the place and the style stay; the type, and any flags of the old value, go with it.
    for (pugi::xml_attribute attribute = cell.first_attribute(); attribute;) {
        const pugi::xml_attribute next = attribute.next_attribute();
        if (std::strcmp(attribute.name(), "r") != 0 && std::strcmp(attribute.name(), "s") != 0)
            cell.remove_attribute(attribute);
        attribute = next;
    }
    return cell;
}

void SheetCells::setText(int row, int column, const QString& text)
{
    pugi::xml_node cell = emptiedCell(row, column);
    cell.append_attribute("t").set_value("inlineStr");
    pugi::xml_node t = cell.append_child("is").append_child("t");
    t.append_attribute("xml:space").set_value("preserve"); // the report's texts hold double blanks
    t.text().set(text.toUtf8().constData());
}

void SheetCells::setNumber(int row, int column, float value)
{
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits - 1, value);
    *written.ptr = '\0';
    emptiedCell(row, column).append_child("v").text().set(digits);
}
