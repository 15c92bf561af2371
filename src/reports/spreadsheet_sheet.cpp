#include "reports/spreadsheet_sheet.h"

#include "reports/spreadsheet_line_rules.h"
#include "reports/spreadsheet_month_means.h"

#include <cmath>

namespace {

constexpr int PeriodRow = 4;
constexpr int PeriodColumn = 22;
constexpr int DateColumn = 1;
constexpr int FirstHourRow = 10;
constexpr int DayRow = 34;
constexpr int MonthRowBeforeFirstDay = 9; // day d of the month is row 9 + d
constexpr int LastDayRow = 40;
constexpr int MeansRow = 41;

// Columns 2 to 13: the components in the order of the sheet's header.
constexpr int ComponentSlots[] = {8, 10, 1, 2, 3, 4, 5, 6, 0, 17, 7, 9};
constexpr int FirstComponentColumn = 2;
constexpr int DensityColumn = 14;
constexpr int InferiorHeatColumn = 15; // then the superior heat at 18 and the Wobbe index at 21
constexpr int SuperiorHeatColumn = 18;
constexpr int WobbeColumn = 21;
constexpr int LastChromColumn = 23;
constexpr int WmtColumns[] = {WmtSlot::WaterDewPoint, WmtSlot::ReducedWaterDewPoint, WmtSlot::HydrocarbonDewPoint,
                              WmtSlot::GaugePressure};
constexpr int FirstWmtColumn = 24;
constexpr int PressureColumn = 27;
constexpr int TemperatureColumn = 28;

// A heat or Wobbe index in MJ/m3 shown as kcal/m3, MJ/m3 and kWh/m3.
constexpr double KcalPerMj = 239.08;
constexpr double KwhPerMj = 0.277778;
constexpr double KgfPerCm2PerBar = 1.019716213;

const QString NoValue = QStringLiteral("--");

class SheetBuilder {
public:
    void text(int row, int column, const QString& text) { cells.push_back({row, column, text}); }

    // A value that is no number cannot stand in a cell as one.
    void number(int row, int column, double value)
    {
        const float stored = static_cast<float>(value);
        if (std::isfinite(stored))
            cells.push_back({row, column, stored});
        else
            text(row, column, NoValue);
    }

    void noValues(int row, int firstColumn, int lastColumn)
    {
        for (int column = firstColumn; column <= lastColumn; ++column)
            text(row, column, NoValue);
    }

    void heatForms(int row, int firstColumn, float megajoules)
    {
        number(row, firstColumn, megajoules * KcalPerMj);
        number(row, firstColumn + 1, megajoules);
        number(row, firstColumn + 2, megajoules * KwhPerMj);
    }

    void chromLine(int row, const ChromIntervalRecord& line)
    {
        if (!chromLineShown(line)) {
            noValues(row, FirstComponentColumn, LastChromColumn);
            // A switched-off controller measured no temperature; nor can a damaged line tell one.
            if (!line.intact() || (line.status() & ChromIntervalRecord::SwitchedOff) != 0)
                text(row, TemperatureColumn, NoValue);
            return;
        }
        const GasParams values = line.gasParams();
        int column = FirstComponentColumn;
        for (const int slot : ComponentSlots)
            number(row, column++, values[slot]);
        number(row, DensityColumn, values[GasSlot::Density]);
        heatForms(row, InferiorHeatColumn, values[GasSlot::InferiorHeat]);
        heatForms(row, SuperiorHeatColumn, values[GasSlot::SuperiorHeat]);
        heatForms(row, WobbeColumn, values[GasSlot::WobbeIndex]);
        number(row, TemperatureColumn, values[GasSlot::GasTemperature]);
    }

    void wmtLine(int row, const WmtIntervalRecord& line)
    {
        if (!wmtLineShown(line)) {
            noValues(row, FirstWmtColumn, PressureColumn);
            return;
        }
        const WmtParams values = line.values();
        int column = FirstWmtColumn;
        for (const int slot : WmtColumns) {
            const double scale = column == PressureColumn ? KgfPerCm2PerBar : 1.0;
            number(row, column++, values[slot] * scale);
        }
    }

    // Line j of both instruments in `row`.
    void lines(int row, const SpreadsheetReport& report, std::size_t j)
    {
        chromLine(row, report.chromLines[j]);
        if (j < report.wmtLines.size())
            wmtLine(row, report.wmtLines[j]);
    }

    std::vector<SpreadsheetCell> cells;
};

QString dayText(const DateStamp& day)
{
    return QString::asprintf("%02d.%02d.%02d", day.day, day.month, day.year);
}

void dayReport(const SpreadsheetReport& report, SheetBuilder& sheet)
{
    const std::size_t hours = std::min<std::size_t>(report.chromLines.size(), DayRow - FirstHourRow);
    if (hours > 0) {
        const DateStamp first = report.chromLines.front().start();
        const DateStamp last = report.chromLines[hours - 1].start();
        sheet.text(PeriodRow, PeriodColumn,
                   QString::asprintf("За період з %02d.%02d.%02d %02d:00  по  %02d.%02d.%02d %02d:00", first.day,
                                     first.month, first.year, first.hour, last.day, last.month, last.year, last.hour));
    }
    for (std::size_t j = 0; j < hours; ++j) {
        const int row = FirstHourRow + static_cast<int>(j);
        const DateStamp start = report.chromLines[j].start();
        sheet.text(row, DateColumn, dayText(start) + QString::asprintf("  %02d:00", start.hour));
        sheet.lines(row, report, j);
    }
    if (!report.chromDay.empty())
        sheet.chromLine(DayRow, report.chromDay.front());
    if (!report.wmtDay.empty())
        sheet.wmtLine(DayRow, report.wmtDay.front());
}

void monthReport(const SpreadsheetReport& report, SheetBuilder& sheet)
{
    if (report.chromLines.empty())
        return;
    const DateStamp first = report.chromLines.front().start();
    const DateStamp last = report.chromLines.back().start();
    sheet.text(PeriodRow, PeriodColumn,
               QString::asprintf("За період з %02d.%02d.%02d по  %02d.%02d.%02d", first.day, first.month, first.year,
                                 last.day, last.month, last.year));
    // A day the controller got wrong must not overwrite the header or the means.
    const int firstRow = MonthRowBeforeFirstDay + std::clamp(first.day, 1, LastDayRow - MonthRowBeforeFirstDay);
    for (std::size_t j = 0; j < report.chromLines.size() && firstRow + static_cast<int>(j) <= LastDayRow; ++j)
        sheet.lines(firstRow + static_cast<int>(j), report, j);

    const GasParams means = spreadsheetMonthMeans(report.chromLines);
    sheet.heatForms(MeansRow, InferiorHeatColumn, means[GasSlot::InferiorHeat]);
    sheet.heatForms(MeansRow, SuperiorHeatColumn, means[GasSlot::SuperiorHeat]);
}

} // namespace

std::vector<SpreadsheetCell> spreadsheetSheet(const SpreadsheetReport& report)
{
    SheetBuilder sheet;
    if (report.kind == SpreadsheetReportKind::Day)
        dayReport(report, sheet);
    else
        monthReport(report, sheet);
    return std::move(sheet.cells);
}
