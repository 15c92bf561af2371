#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "reports/archive_printout.h"
#include "reports/document_painter.h"
#include "support/pdf_text.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

const QString Organisation = QStringLiteral("ПАО Газ");

// An archive file of controller "KKG North" at address 17 with `records`, read
// on 09.12.26 14:30:45 for 15.03.26 10:00 to 16.03.26 11:00.
ArchiveFile namedFile(ArchiveKind kind, const QList<QByteArray>& records)
{
    ArchiveFile file = archiveFile(kind, records);
    QByteArray header = file.header.bytes();
    const QByteArray name = QByteArrayLiteral("KKG North           ");
    header.replace(header.indexOf(QByteArray(20, ' ')), name.size(), name);
    return {ArchiveFileHeader::fromBytes(header), file.records};
}

// Hourly means from 15.03.26 00:00, one an hour; slot p of each holds p + 0.5.
ArchiveFile hourlyFile(int count)
{
    QList<QByteArray> records;
    for (int index = 0; index < count; ++index) {
        const auto day = static_cast<std::uint8_t>(15 + index / 24);
        const auto hour = static_cast<std::uint8_t>(index % 24);
        records << RecordBytes::chromInterval(bytes({26, 3, day, hour, 0, 0}), (hour + 1) % 24, 0);
    }
    return namedFile(ArchiveKind::ChromHourly, records);
}

ReportSettings settingsWithMethod(std::uint8_t method)
{
    return ReportSettings::fromBytes(QByteArray(2, '\0') + char(method) + QByteArray(22, '\0'));
}

ReportDocument printout(const ArchiveFile& file, const ReportSettings& settings = settingsWithMethod(0))
{
    return archivePrintout(file, *ArchiveTable::of(file, settings), settings, Organisation);
}

QStringList printedPages(const ArchiveFile& file, const ReportSettings& settings = settingsWithMethod(0))
{
    return pdfPages(documentPdf(printout(file, settings)));
}

// The texts of the page's head, top down.
QStringList headTexts(const ReportPage& page)
{
    QStringList texts;
    for (qsizetype band = 0; band < 6; ++band)
        texts << page.bands[band].cells.first().text;
    return texts;
}

// Blanks as pdftotext lays them out are not the printed ones: compare words only.
bool shows(const QString& page, const QString& text)
{
    return page.simplified().contains(text.simplified());
}

} // namespace

TEST(ArchivePrintout, FiftyEightHourlyRecordsPrintOnOnePartWithTheSummary)
{
    const QStringList pages = printedPages(hourlyFile(58));
    ASSERT_EQ(pages.size(), 2) << "the part's rows in the first ten columns, then in the other ten";
    for (const QString& page : pages) {
        EXPECT_TRUE(shows(page, "Стр. 1 из 1")) << page.toStdString();
        EXPECT_TRUE(shows(page, "Средние значения"));
        EXPECT_TRUE(shows(page, "17.03.26 09:00:00 10:00:00")) << "the 58th record";
    }
    EXPECT_TRUE(shows(pages[0], "Средние значения 0.5000 1.5000 2.5000"));
    EXPECT_TRUE(shows(pages[1], "Средние значения 10.5000 17.5000 11.5000")) << "slots in display order";
}

TEST(ArchivePrintout, FiftyNineHourlyRecordsMoveTheSummaryToASecondPart)
{
    const QStringList pages = printedPages(hourlyFile(59));
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(shows(pages[0], "Стр. 1 из 2"));
    EXPECT_TRUE(shows(pages[0], "17.03.26 10:00:00 11:00:00")) << "the 59th record";
    EXPECT_FALSE(shows(pages[0], "Средние значения"));
    EXPECT_TRUE(shows(pages[2], "Стр. 2 из 2"));
    EXPECT_TRUE(shows(pages[2], "Средние значения"));
    EXPECT_TRUE(shows(pages[2], "Составлен программой gqc_04")) << "a new part starts with the page head";
    EXPECT_FALSE(shows(pages[1], "Составлен программой gqc_04")) << "the second table of a part has none";
}

TEST(ArchivePrintout, EveryPartCountsTheParts)
{
    const QStringList pages = printedPages(hourlyFile(300));
    ASSERT_EQ(pages.size(), 8);
    EXPECT_TRUE(shows(pages[7], "Стр. 4 из 4"));
    EXPECT_TRUE(shows(pages[6], "Средние значения"));
}

TEST(ArchivePrintout, ThePageHeadNamesOrganisationControllerDocumentPeriodAndReading)
{
    const ReportDocument document = printout(hourlyFile(3));
    EXPECT_EQ(
        headTexts(document.pages[0]),
        (QStringList{"ПАО Газ", "Контроллер \"KKG North\"  (адрес 17)", "Часовые измерительные данные хроматографа",
                     "контроллерa ККГ_04", "за период  с  15.03.26  10ч  по  16.03.26  11ч",
                     "Составлен программой gqc_04  09.12.26  14:30:45"}));
    const QString page = pdfPages(documentPdf(document)).first();
    EXPECT_TRUE(shows(page, "Контроллер \"KKG North\" (адрес 17)")) << page.toStdString();
    EXPECT_TRUE(shows(page, "за период с 15.03.26 10ч по 16.03.26 11ч"));
}

TEST(ArchivePrintout, FiveMinuteDataPrintTheControllerWordAfterTwoBlanks)
{
    const ReportDocument chrom =
        printout(namedFile(ArchiveKind::ChromFiveMinute, {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 17}), 0)}));
    EXPECT_EQ(headTexts(chrom.pages[0])[3], "контроллерa  ККГ_04");
    const QString chromPage = pdfPages(documentPdf(chrom)).first();
    EXPECT_TRUE(shows(chromPage, "Мгновенные данные хроматографа"));
    EXPECT_TRUE(shows(chromPage, "15.03.26 10:05:17"));

    const ReportDocument wmt = printout(namedFile(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMoment}));
    EXPECT_EQ(headTexts(wmt.pages[0])[2], "Мгновенные данные влагомера");
    EXPECT_EQ(headTexts(wmt.pages[0])[3], "контроллерa  ККГ_04");
    EXPECT_EQ(headTexts(wmt.pages[0])[4], "за период  с  15.03.26  10:00:00  по  16.03.26  11:00:00");
}

TEST(ArchivePrintout, TheSummaryNamesTheMethodOfTheCalculation)
{
    const QString iso = printedPages(hourlyFile(2), settingsWithMethod(0)).first();
    EXPECT_TRUE(shows(iso, "Расчет физико-химических показателей природного газа выполнен"));
    EXPECT_TRUE(shows(iso, "по ДСТУ ISO 6976:2009:"));
    EXPECT_FALSE(shows(iso, "ГОСТ"));
    const QString gost = printedPages(hourlyFile(2), settingsWithMethod(1)).first();
    EXPECT_TRUE(shows(gost, "по ГОСТ 22667-82 и ГОСТ 30319.1-96"));
    EXPECT_FALSE(shows(gost, "ISO"));
}

TEST(ArchivePrintout, MoistureMeterTablesHaveTheirHeadingsAndOneTablePerPart)
{
    const QStringList pages = printedPages(namedFile(ArchiveKind::WmtDaily, {RecordBytes::wmtDaily}));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(shows(pages[0], "Суточные измерительные данные влагомера"));
    for (const char* heading : {"Статус", "контроллера", "начала", "конца", "WDP", "HDP", "Стр. 1 из 1"})
        EXPECT_TRUE(shows(pages[0], QString::fromUtf8(heading))) << heading;
    EXPECT_FALSE(shows(pages[0], "Расчет")) << "no gas calculation for the moisture meter";
}

TEST(ArchivePrintout, ThePdfEmbedsItsFonts)
{
    const QString fonts = pdfFonts(documentPdf(printout(hourlyFile(1))));
    EXPECT_TRUE(fonts.contains("LiberationSans")) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("LiberationSerif"));
    for (const QString& line : fonts.split('\n').mid(2)) {
        if (line.isEmpty())
            continue;
        EXPECT_TRUE(line.contains(" yes ")) << "not embedded: " << line.toStdString();
    }
}
