#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "reports/archive_workbook.h"
#include "support/temp_workdir.h"
#include "support/workbook_reader.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// The sheet's reference of a 0-based column and a 1-based row.
QString cellAt(int column, int row)
{
    return QString(QChar('A' + column)) + QString::number(row);
}

class ArchiveWorkbook : public ::testing::Test {
protected:
    // The table of the records, saved as a workbook and read back.
    WorkbookSheet exported(ArchiveKind kind, const QList<QByteArray>& records, const QByteArray& settings = {})
    {
        file = archiveFile(kind, records);
        table = ArchiveTable::of(file, ReportSettings::fromBytes(settings));
        path = dir.file(QStringLiteral("archive.xlsx"));
        const SaveResult saved =
            saveArchiveWorkbook(*table, path, [this](int rowsWritten) { progress << rowsWritten; });
        EXPECT_FALSE(saved.failed()) << saved.reason.toStdString();
        return readWorkbook(path);
    }

    // Every record's cells against the viewer's texts, the status columns of the service view left out.
    void expectRecordsAsShown(const WorkbookSheet& sheet, const QList<int>& stampColumns) const
    {
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList shown, inSheet;
            for (const int column : stampColumns)
                shown << table->statusText(row, column);
            for (int column = 0; column < table->valueCaptions().size(); ++column)
                shown << table->valueText(row, column);
            for (int column = 0; column < shown.size(); ++column)
                inSheet << sheet.text(cellAt(column, row + 6));
            EXPECT_EQ(inSheet, shown) << "record " << row;
        }
    }

    TempWorkdir dir;
    ArchiveFile file = archiveFile(ArchiveKind::ChromFiveMinute, {});
    std::unique_ptr<ArchiveTable> table;
    QString path;
    QList<int> progress;
};

} // namespace

TEST_F(ArchiveWorkbook, AFiveMinuteSheetHasTheTitleTheHeaderAndEveryCellAsTheViewerShowsIt)
{
    const WorkbookSheet sheet =
        exported(ArchiveKind::ChromFiveMinute,
                 {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0),
                  RecordBytes::chromMoment(bytes({26, 3, 15, 10, 10, 0}), 0x82),
                  RecordBytes::damaged(RecordBytes::chromMoment(bytes({26, 3, 15, 10, 15, 0}), 0))});
    ASSERT_TRUE(sheet.problem.isEmpty()) << sheet.problem.toStdString();
    EXPECT_EQ(sheet.text("A1"), "Мгновенные данные хроматографа за период  с  15.03.26 10:00:00  по  16.03.26 "
                                "11:00:00.     Расчет по ДСТУ ИСО, без корректировки доли компонентов");
    EXPECT_EQ(sheet.style("A1", "font"), "Times New Roman");
    EXPECT_EQ(sheet.style("A1", "size"), "12");
    EXPECT_EQ(sheet.rowHeights.value(1), 18);
    EXPECT_EQ(sheet.mergedRanges, (QStringList{"A1:V1", "A2:A5", "B2:B5"}));

    EXPECT_EQ(sheet.text("A2"), "Дата");
    EXPECT_EQ(sheet.text("B2"), "Время");
    const QStringList hexanes{sheet.text("C2"), sheet.text("C3"), sheet.text("C4"), sheet.text("C5")};
    EXPECT_EQ(hexanes, (QStringList{"Сум. МД", "гексана", "и б.т.с.,", "%"}));
    const QStringList methane{sheet.text("K2"), sheet.text("K3"), sheet.text("K4"), sheet.text("K5")};
    EXPECT_EQ(methane, (QStringList{"МД", "метана,", " ", "%"})) << "a blank third line is one blank";
    EXPECT_EQ(sheet.text("V2"), "Темпера-");
    EXPECT_EQ(sheet.text("V5"), "°С");

    EXPECT_EQ(sheet.rowCount, 8) << "title, four header rows, three records";
    EXPECT_EQ(sheet.text("A6"), "  15.03.26");
    EXPECT_EQ(sheet.text("B6"), "  10:05:00");
    EXPECT_EQ(sheet.text("K6"), "  8.5000");
    EXPECT_EQ(sheet.text("C7"), " Выкл.");
    EXPECT_EQ(sheet.text("A8"), "     Данные");
    EXPECT_EQ(sheet.text("B8"), "недостов.");
    EXPECT_EQ(sheet.text("C8"), "");
    expectRecordsAsShown(sheet, {0, 1});
    EXPECT_EQ(sheet.style("K6", "font"), "Times New Roman");
    EXPECT_EQ(sheet.style("K6", "size"), "10");
    EXPECT_EQ(sheet.style("K6", "align"), "center");

    EXPECT_EQ(progress, (QList<int>{5, 6, 7, 8})) << "the header at once, then row by row";
}

TEST_F(ArchiveWorkbook, TheHeaderIsGreyAndEachOfItsColumnsIsClosedOnTheRight)
{
    const WorkbookSheet sheet =
        exported(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0)});
    for (const char* header : {"A2", "C2", "V5"}) {
        EXPECT_EQ(sheet.style(header, "fill"), "FFC0C0C0") << header;
        EXPECT_EQ(sheet.style(header, "font"), "Times New Roman") << header;
        EXPECT_EQ(sheet.style(header, "size"), "10") << header;
        EXPECT_EQ(sheet.style(header, "align"), "center") << header;
    }
    EXPECT_EQ(sheet.thinSides("A2"), "LRTB") << "the date box";
    EXPECT_EQ(sheet.thinSides("B2"), "LRTB") << "the time box";
    for (int column = 2; column < 22; ++column) {
        QStringList sides;
        for (int row = 2; row <= 5; ++row)
            sides << sheet.thinSides(cellAt(column, row));
        EXPECT_EQ(sides, (QStringList{"RT", "R", "R", "RB"})) << "column " << column;
    }
    EXPECT_EQ(sheet.thinSides("C6"), "") << "the records have no lines";
    EXPECT_EQ(sheet.style("C6", "fill"), "");
}

TEST_F(ArchiveWorkbook, EveryUsedColumnIsNineCharactersWide)
{
    const WorkbookSheet sheet =
        exported(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0)});
    // A width of 9 characters is stored as 9 and the cell padding, 5 pixels of a 7-pixel character.
    const double stored = 9 + 5.0 / 7;
    EXPECT_EQ(sheet.columnWidths.keys().size(), 22);
    for (int column = 0; column < 22; ++column)
        EXPECT_NEAR(sheet.columnWidths.value(QString(QChar('A' + column))), stored, 0.01) << column;
}

TEST_F(ArchiveWorkbook, AnHourlySheetPutsStartAndEndUnderOneTimeAndTheValuesFromColumnD)
{
    // Volume fractions and heats in kcal.
    const WorkbookSheet sheet = exported(ArchiveKind::ChromHourly,
                                         {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 11, 0),
                                          RecordBytes::chromInterval(bytes({26, 3, 15, 11, 0, 0}), 12, 0x08)},
                                         QByteArray::fromHex("0101") + QByteArray(23, '\0'));
    ASSERT_TRUE(sheet.problem.isEmpty()) << sheet.problem.toStdString();
    EXPECT_TRUE(sheet.text("A1").startsWith("Часовые данные хроматографа за период с 15.03.26  10ч  по  16.03.26  "
                                            "11ч.     Расчет по"))
        << sheet.text("A1").toStdString();
    EXPECT_EQ(sheet.mergedRanges, (QStringList{"A1:V1", "A2:A5", "B2:C3", "B4:B5", "C4:C5"}));
    EXPECT_EQ(sheet.text("B2"), "Время");
    EXPECT_EQ(sheet.text("B4"), "Начало");
    EXPECT_EQ(sheet.text("C4"), "Конец");
    EXPECT_EQ(sheet.text("D2"), "Сум. ОД");
    EXPECT_EQ(sheet.text("P3"), "Тсг") << "the superior heat, the thirteenth value column";
    EXPECT_EQ(sheet.text("P5"), "ккал/м3");
    EXPECT_EQ(sheet.text("W5"), "°С");
    EXPECT_EQ(sheet.thinSides("W2"), "RT");
    EXPECT_EQ(sheet.thinSides("W5"), "RB");
    EXPECT_EQ(sheet.columnWidths.keys().size(), 23);

    EXPECT_EQ(sheet.text("A6"), "   15.03.26");
    EXPECT_EQ(sheet.text("B6"), "   10:00:00");
    EXPECT_EQ(sheet.text("C6"), "   11:00:00");
    EXPECT_EQ(sheet.text("D7"), table->valueText(1, 0)) << "no status column";
    EXPECT_TRUE(sheet.text("D7").endsWith('"')) << "a mean with a status mark";
    expectRecordsAsShown(sheet, {0, 1, 2});
}
