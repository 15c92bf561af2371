#pragma once

#include "reports/spreadsheet_report.h"

#include <QString>
#include <variant>
#include <vector>

// One cell the report writes into its template: a text or a single-precision
// number. Rows and columns are numbered from 1.
struct SpreadsheetCell {
    int row = 0;
    int column = 0;
    std::variant<QString, float> value;

    bool operator==(const SpreadsheetCell&) const = default;
};

// Every cell of the report's sheet. The day report: the period in (4, 22), an
// hour per row from row 10 (at most 24, so the day's row 34 is never reached)
// and the day in row 34. The month report: the period in (4, 22), a day per row
// from row 9 + the first day (never past row 40) and the means of the heats in
// row 41. A value that is no number is shown as "--".
std::vector<SpreadsheetCell> spreadsheetSheet(const SpreadsheetReport& report);
