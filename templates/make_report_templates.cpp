// Writes the two report templates, "day_report_title.xlsx" and
// "mon_report_title.xlsx", into the folder given as the only argument. The
// report fills the cells of rows 4 and 10 onwards; everything else is here:
// titles, the column headers, the borders and number formats of the data rows.
#include <cstdio>
#include <string>
#include <xlsxwriter.h>

namespace {

constexpr int Columns = 28;       // date, 12 components, density, 3 × 3 heats, 4 moisture values, temperature
constexpr lxw_row_t TitleRow = 0; // rows are counted from 0 here, from 1 in the report
constexpr lxw_row_t SubtitleRow = 1;
constexpr lxw_row_t PeriodRow = 3; // the object's name is typed by the station, the period written by the report
constexpr lxw_col_t PeriodColumn = 21;
constexpr lxw_row_t HeaderTop = 4; // rows 5 to 9 of the sheet
constexpr lxw_row_t HeaderBottom = 8;
constexpr lxw_row_t FirstDataRow = 9;
const char* const FontName = "Times New Roman";

struct Column {
    const char* caption; // the header's lower part (or the whole header when there is no group)
    const char* format;  // the number format of the data cells
};

// Columns 2 to 28 of the report.
const Column ValueColumns[] = {
    {"Метан", "0.000"},
    {"Этан", "0.000"},
    {"Пропан", "0.000"},
    {"и-Бутан", "0.000"},
    {"н-Бутан", "0.000"},
    {"нео-Пентан", "0.000"},
    {"и-Пентан", "0.000"},
    {"н-Пентан", "0.000"},
    {"Гексан и высшие", "0.000"},
    {"Кислород", "0.000"},
    {"Азот", "0.000"},
    {"Диоксид углерода", "0.000"},
    {"Плотность, кг/м3", "0.0000"},
    {"ккал/м3", "0"},
    {"МДж/м3", "0.000"},
    {"кВт·ч/м3", "0.000"},
    {"ккал/м3", "0"},
    {"МДж/м3", "0.000"},
    {"кВт·ч/м3", "0.000"},
    {"ккал/м3", "0"},
    {"МДж/м3", "0.000"},
    {"кВт·ч/м3", "0.000"},
    {"Точка росы по влаге, °С", "0.0"},
    {"Точка росы по влаге при 3,92 МПа, °С", "0.0"},
    {"Точка росы по углеводородам, °С", "0.0"},
    {"Давление, кгс/см2", "0.00"},
    {"Температура газа, °С", "0.0"},
};

// Headers over several columns: first and last column (from 0), caption.
struct Group {
    lxw_col_t first;
    lxw_col_t last;
    const char* caption;
};
const Group Groups[] = {
    {1, 12, "Компонентный состав, % мол."},
    {14, 16, "Теплота сгорания низшая"},
    {17, 19, "Теплота сгорания высшая"},
    {20, 22, "Число Воббе высшее"},
};

struct Report {
    const char* file;
    const char* title;
    const char* dateCaption;
    int dataRows;           // hours or days
    const char* totalLabel; // the row under them
    bool numberedDays;      // the month's rows carry their day, the report writes no date
};

const Report Reports[] = {
    {"day_report_title.xlsx", "Паспорт ККГ показателей за сутки", "Дата, время", 24, "За сутки", false},
    {"mon_report_title.xlsx", "Паспорт ККГ показателей за месяц", "Число месяца", 31, "Среднее", true},
};

lxw_format* newFormat(lxw_workbook* book, double size, bool bold)
{
    lxw_format* format = workbook_add_format(book);
    format_set_font_name(format, FontName);
    format_set_font_size(format, size);
    if (bold)
        format_set_bold(format);
    return format;
}

lxw_format* boxed(lxw_workbook* book, const char* numberFormat, bool bold)
{
    lxw_format* format = newFormat(book, 10, bold);
    format_set_border(format, LXW_BORDER_THIN);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(format);
    if (numberFormat)
        format_set_num_format(format, numberFormat);
    return format;
}

bool inGroup(lxw_col_t column)
{
    for (const Group& group : Groups)
        if (column >= group.first && column <= group.last)
            return true;
    return false;
}

void writeHeader(lxw_workbook* book, lxw_worksheet* sheet, const Report& report)
{
    lxw_format* header = boxed(book, nullptr, true);
    worksheet_merge_range(sheet, HeaderTop, 0, HeaderBottom, 0, report.dateCaption, header);
    for (const Group& group : Groups)
        worksheet_merge_range(sheet, HeaderTop, group.first, HeaderTop + 1, group.last, group.caption, header);
    for (lxw_col_t column = 1; column < Columns; ++column) {
        const lxw_row_t top = inGroup(column) ? HeaderTop + 2 : HeaderTop;
        worksheet_merge_range(sheet, top, column, HeaderBottom, column, ValueColumns[column - 1].caption, header);
    }
}

void writeDataRows(lxw_workbook* book, lxw_worksheet* sheet, const Report& report)
{
    lxw_format* date = boxed(book, "@", false);
    lxw_format* total = boxed(book, nullptr, true);
    lxw_format* values[Columns - 1];
    lxw_format* totals[Columns - 1];
    for (int k = 0; k < Columns - 1; ++k) {
        values[k] = boxed(book, ValueColumns[k].format, false);
        totals[k] = boxed(book, ValueColumns[k].format, true);
    }
    const lxw_row_t totalRow = FirstDataRow + report.dataRows;
    for (lxw_row_t row = FirstDataRow; row <= totalRow; ++row) {
        const bool isTotal = row == totalRow;
        if (isTotal)
            worksheet_write_string(sheet, row, 0, report.totalLabel, total);
        else if (report.numberedDays)
            worksheet_write_number(sheet, row, 0, row - FirstDataRow + 1, date);
        else
            worksheet_write_blank(sheet, row, 0, date);
        for (lxw_col_t column = 1; column < Columns; ++column)
            worksheet_write_blank(sheet, row, column, isTotal ? totals[column - 1] : values[column - 1]);
    }
}

bool writeTemplate(const std::string& folder, const Report& report)
{
    const std::string path = folder + "/" + report.file;
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Отчет");
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9); // A4
    worksheet_fit_to_pages(sheet, 1, 1);
    worksheet_set_column(sheet, 0, 0, 16, nullptr);
    worksheet_set_column(sheet, 1, Columns - 1, 9, nullptr);
    for (lxw_row_t row = HeaderTop; row <= HeaderBottom; ++row)
        worksheet_set_row(sheet, row, 24, nullptr);

    lxw_format* title = newFormat(book, 14, true);
    format_set_align(title, LXW_ALIGN_CENTER);
    worksheet_merge_range(sheet, TitleRow, 0, TitleRow, Columns - 1, report.title, title);
    lxw_format* subtitle = newFormat(book, 11, false);
    format_set_align(subtitle, LXW_ALIGN_CENTER);
    worksheet_merge_range(sheet, SubtitleRow, 0, SubtitleRow, Columns - 1,
                          "Показатели качества природного газа по данным хроматографа и влагомера", subtitle);
    lxw_format* plain = newFormat(book, 11, false);
    worksheet_write_string(sheet, PeriodRow, 0, "Объект:", plain);
    worksheet_write_blank(sheet, PeriodRow, PeriodColumn, plain);

    writeHeader(book, sheet, report);
    writeDataRows(book, sheet, report);
    return workbook_close(book) == LXW_NO_ERROR;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (const Report& report : Reports) {
        if (!writeTemplate(argv[1], report)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], report.file);
            return 1;
        }
    }
    return 0;
}
