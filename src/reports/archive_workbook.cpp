#include "reports/archive_workbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <xlsxwriter.h>

namespace {

constexpr int TitleColumns = 22;  // A1:V1, the width of the 5-minute table
constexpr double ColumnWidth = 9; // characters
constexpr double TitleRowHeight = 18;
constexpr double TitleFontSize = 12;
constexpr double TableFontSize = 10;
constexpr lxw_row_t TitleRow = 0;
constexpr lxw_row_t CaptionRow = 1;
constexpr lxw_row_t UnitRow = 4;
constexpr lxw_row_t FirstRecordRow = 5;
constexpr int MomentStampColumns = 2; // the date and the time of an analysis; a mean has a start and an end
const char* const FontName = "Times New Roman";

// The header's grey is 12632256 as a Windows colour value, whose low byte is
// blue (0x00BBGGRR); the library takes 0xRRGGBB.
constexpr lxw_color_t fromWindowsColour(std::uint32_t bgr)
{
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
constexpr lxw_color_t HeaderGrey = fromWindowsColour(12632256);

// The looks of the sheet's cells. A caption column of the header is one block
// of four cells: boxed as a whole, with no lines between its caption lines.
struct SheetFormats {
    explicit SheetFormats(lxw_workbook* book)
    {
        title = font(book, TitleFontSize);
        cell = centred(book);
        box = header(book, true, true);
        format_set_left(box, LXW_BORDER_THIN); // the date's box opens the header on the left
        captionTop = header(book, true, false);
        captionMiddle = header(book, false, false);
        captionBottom = header(book, false, true);
    }

    lxw_format* captionFormat(lxw_row_t row) const
    {
        return row == CaptionRow ? captionTop : row == UnitRow ? captionBottom : captionMiddle;
    }

    lxw_format* title;
    lxw_format* cell;
    lxw_format* box;
    lxw_format* captionTop;
    lxw_format* captionMiddle;
    lxw_format* captionBottom;

private:
    static lxw_format* font(lxw_workbook* book, double size)
    {
        lxw_format* format = workbook_add_format(book);
        format_set_font_name(format, FontName);
        format_set_font_size(format, size);
        return format;
    }
    static lxw_format* centred(lxw_workbook* book)
    {
        lxw_format* format = font(book, TableFontSize);
        format_set_align(format, LXW_ALIGN_CENTER);
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        return format;
    }
    // Every header cell closes its column on the right; the left edge of a
    // column is the right edge of the one before it, the first column's its own.
    static lxw_format* header(lxw_workbook* book, bool top, bool bottom)
    {
        lxw_format* format = centred(book);
        format_set_bg_color(format, HeaderGrey);
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_right(format, LXW_BORDER_THIN);
        if (top)
            format_set_top(format, LXW_BORDER_THIN);
        if (bottom)
            format_set_bottom(format, LXW_BORDER_THIN);
        return format;
    }
};

class SheetWriter {
public:
    SheetWriter(lxw_workbook* book, const ArchiveTable& table)
        : sheet_(workbook_add_worksheet(book, nullptr)), formats_(book), table_(table)
    {
        for (int column = 0; column < static_cast<int>(table.statusCaptions().size()); ++column)
            if (!table.serviceColumns().contains(column))
                stampColumns_ << column;
    }

    void writeTitleAndHeader()
    {
        const auto lastColumn = static_cast<lxw_col_t>(firstValueColumn() + table_.valueCaptions().size() - 1);
        worksheet_set_column(sheet_, 0, lastColumn, ColumnWidth, nullptr);
        worksheet_set_row(sheet_, TitleRow, TitleRowHeight, nullptr);
        merge(TitleRow, 0, TitleRow, TitleColumns - 1,
              QStringLiteral("%1.   %2").arg(table_.caption(), table_.methodLabel()), formats_.title);

        merge(CaptionRow, 0, UnitRow, 0, QStringLiteral("Дата"), formats_.box);
        if (stampColumns_.size() == MomentStampColumns) {
            merge(CaptionRow, 1, UnitRow, 1, QStringLiteral("Время"), formats_.box);
        } else {
            // An interval: its start and end under one "Время".
            merge(CaptionRow, 1, CaptionRow + 1, 2, QStringLiteral("Время"), formats_.box);
            merge(CaptionRow + 2, 1, UnitRow, 1, QStringLiteral("Начало"), formats_.box);
            merge(CaptionRow + 2, 2, UnitRow, 2, QStringLiteral("Конец"), formats_.box);
        }
        const QList<QStringList>& captions = table_.valueCaptions();
        for (int column = 0; column < static_cast<int>(captions.size()); ++column)
            for (lxw_row_t row = CaptionRow; row <= UnitRow; ++row)
                write(row, firstValueColumn() + column, captions[column].value(static_cast<int>(row - CaptionRow)),
                      formats_.captionFormat(row));
    }

    void writeRecord(int record)
    {
        const auto row = static_cast<lxw_row_t>(FirstRecordRow + record);
        int column = 0;
        for (const int stamp : stampColumns_)
            write(row, column++, table_.statusText(record, stamp), formats_.cell);
        for (int value = 0; value < static_cast<int>(table_.valueCaptions().size()); ++value)
            write(row, column++, table_.valueText(record, value), formats_.cell);
    }

private:
    int firstValueColumn() const { return static_cast<int>(stampColumns_.size()); }

    void write(lxw_row_t row, int column, const QString& text, lxw_format* format)
    {
        worksheet_write_string(sheet_, row, static_cast<lxw_col_t>(column), text.toUtf8().constData(), format);
    }
    void merge(lxw_row_t firstRow, int firstColumn, lxw_row_t lastRow, int lastColumn, const QString& text,
               lxw_format* format)
    {
        worksheet_merge_range(sheet_, firstRow, static_cast<lxw_col_t>(firstColumn), lastRow,
                              static_cast<lxw_col_t>(lastColumn), text.toUtf8().constData(), format);
    }

    lxw_worksheet* sheet_;
    SheetFormats formats_;
    const ArchiveTable& table_;
    QList<int> stampColumns_;
};

// The workbook written to `path`, the library's own temporary files in `scratch`.
lxw_error writeWorkbook(const ArchiveTable& table, const QString& path, const QString& scratch,
                        const WorkbookProgress& progress)
{
    QByteArray scratchName = QFile::encodeName(scratch);
    lxw_workbook_options options{};
    options.tmpdir = scratchName.data();
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!book)
        return LXW_ERROR_CREATING_XLSX_FILE;
    SheetWriter sheet(book, table);
    sheet.writeTitleAndHeader();
    progress(WorkbookHeaderRows);
    for (int record = 0; record < table.rowCount(); ++record) {
        sheet.writeRecord(record);
        progress(WorkbookHeaderRows + record + 1);
    }
    return workbook_close(book);
}

} // namespace

SaveResult saveArchiveWorkbook(const ArchiveTable& table, const QString& path, const WorkbookProgress& progress)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return {SaveStatus::NotCreated, path, scratch.errorString()};
    const QString made = scratch.filePath(QStringLiteral("workbook.xlsx"));
    if (const lxw_error error = writeWorkbook(table, made, scratch.path(), progress); error != LXW_NO_ERROR)
        return {SaveStatus::NotCreated, path, QString::fromUtf8(lxw_strerror(error))};
    QFile workbook(made);
    if (!workbook.open(QIODevice::ReadOnly))
        return {SaveStatus::NotCreated, path, workbook.errorString()};
    return replaceFile(path, {workbook.readAll()});
}
