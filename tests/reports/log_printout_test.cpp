#include "reports/log_printout.h"

#include "reports/document_painter.h"
#include "support/pdf_text.h"

#include <gtest/gtest.h>

namespace {

LogTable logOf(LogKind kind, int rows)
{
    const QByteArray name = QByteArray("GRS-7").leftJustified(20, ' ');
    const LogReadingFacts facts{name, 12, {26, 3, 15, 11, 5, 9}, {26, 3, 14, 0, 0, 0}, {26, 3, 15, 8, 30, 0}, 2, 0};
    LogTable table{kind, logFileHeader(kind, facts, 0), {}};
    for (int row = 0; row < rows; ++row)
        table.rows << LogRow{
            {"    14.03.26", QString::asprintf("    10:%02d:00", row % 60), "Адрес контроллера", "1", "2", "", "ADMI"}};
    return table;
}

TEST(LogPrintout, TheInterventionLogPrintsItsHeadHeadingsAndRows)
{
    const QStringList pages = pdfPages(documentPdf(logPrintout(logOf(LogKind::Interventions, 3), "ООО Газ")));
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    EXPECT_TRUE(page.contains("ООО Газ"));
    EXPECT_TRUE(page.contains("Хроматограф \"GRS-7\" (адрес 12)") || page.contains("Хроматограф \"GRS-7\"  (адрес 12)"))
        << page.toStdString();
    EXPECT_TRUE(page.contains("Перечень сообщений о вмешательствах оператора"));
    EXPECT_TRUE(page.contains("в работу контроллерa ККГ_04"));
    EXPECT_TRUE(page.contains("14.03.26 00:00:00")) << page.toStdString();
    EXPECT_TRUE(page.contains("15.03.26 11:05:09"));
    EXPECT_TRUE(page.contains("Наименование параметра") || page.contains("Наименование  параметра"));
    EXPECT_TRUE(page.contains("оператора"));
    EXPECT_EQ(page.count("Адрес контроллера"), 3);
    EXPECT_TRUE(page.contains("из 1"));
}

TEST(LogPrintout, TheDiagnosticLogHasItsOwnTitleAndALongLogRunsOntoMorePages)
{
    const QStringList pages = pdfPages(documentPdf(logPrintout(logOf(LogKind::Diagnostics, 160), {})));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains("Перечень диагностических сообщений"));
    EXPECT_TRUE(pages[0].contains("Сообщение"));
    EXPECT_TRUE(pages[0].contains("Объект / Причина"));
    EXPECT_TRUE(pages[2].contains("Перечень диагностических сообщений")) << "every page starts with the head";
    EXPECT_TRUE(pages[2].contains("из 3"));
}

} // namespace
