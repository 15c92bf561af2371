#pragma once

#include <QString>
#include <optional>
#include <pugixml.hpp>

// The cells of a parsed worksheet part, written in place. A written cell keeps
// its style (the s= attribute: number format, border, font) and loses whatever
// it held before (a value, a formula); rows and cells that are missing are made
// where they belong, so that both stay in ascending order. Rows and columns are
// numbered from 1.
class SheetCells {
public:
    // None when the part is no worksheet (no sheetData).
    static std::optional<SheetCells> of(pugi::xml_document& sheet);

    // An inline string: the sheet needs no shared-string table of ours.
    void setText(int row, int column, const QString& text);
    // Written with the fewest digits that read back as the same single-precision
    // value, "." as decimal separator; `value` must be finite.
    void setNumber(int row, int column, float value);

private:
    explicit SheetCells(pugi::xml_node sheetData) : sheetData_(sheetData) {}

    pugi::xml_node emptiedCell(int row, int column);

    pugi::xml_node sheetData_;
};

// "AB" for column 28.
QString columnLetters(int column);
