#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "cli/cli_fixtures.h"
#include "support/pdf_text.h"
#include "support/workbook_reader.h"

#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

QByteArray fileBytes(const ArchiveFile& file)
{
    return file.header.bytes() + file.records.bytes();
}

} // namespace

TEST_F(GqcCli, ViewWritesTheViewersCellsAsCsvWithTheCaptionsFirst)
{
    // Heats in kcal, from "repconf.ini" of the working directory.
    workdir.write(QStringLiteral("INI/repconf.ini"), QByteArray::fromHex("0001") + QByteArray(23, '\0'));
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromHourly,
                    {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 11, 0x08),
                     RecordBytes::damaged(RecordBytes::chromInterval(bytes({26, 3, 15, 11, 0, 0}), 12, 0))});
    workdir.write(QStringLiteral("hours.dat"), fileBytes(file));

    const CliRun result = run({QStringLiteral("view"), workdir.file(QStringLiteral("hours.dat")),
                               QStringLiteral("--csv"), workdir.file(QStringLiteral("hours.csv"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, "Часовые данные хроматографа за период с 15.03.26  10ч  по  16.03.26  11ч\n"
                          "Расчет по ДСТУ ИСО, без корректировки доли компонентов\n");
    const QStringList lines = QString::fromUtf8(workdir.read(QStringLiteral("hours.csv"))).split('\n');
    ASSERT_EQ(lines.size(), 4) << "header, two records, the end of the last line";
    EXPECT_TRUE(lines[0].startsWith("Дата;Время Начало;Время Конец;Статус;Сум. МД гексана и б.т.с., %;МД пропана, %;"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(";Удельная Тсг высшая, ккал/м3;"));
    EXPECT_TRUE(lines[0].endsWith(";Сумма МД всех компон., %;Темпера- тура газа, °С"));
    EXPECT_TRUE(lines[1].startsWith("   15.03.26;   10:00:00;   11:00:00;     0x08; 0.5000\"; 1.5000\";"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(";;16.5000\"")) << "no sum of the fractions from this chromatograph";
    EXPECT_EQ(lines[2], "     Данные;недостов.;;" + QString(20, ';'));
    EXPECT_TRUE(lines[3].isEmpty());
}

TEST_F(GqcCli, ViewRefusesAForeignFileInTheWordsOfItsArchive)
{
    workdir.write(QStringLiteral("type3.mch"), fileBytes(archiveFile(ArchiveKind::ChromFiveMinute, {}, 3)));
    CliRun result = run({QStringLiteral("view"), workdir.file(QStringLiteral("type3.mch")), QStringLiteral("--csv"),
                         workdir.file(QStringLiteral("out.csv"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "Файл type3.mch не является файлом, содержащим\n"
                             "мгновенные данные хроматографа из архива 5-минутных данных\n");
    EXPECT_FALSE(QFile::exists(workdir.file(QStringLiteral("out.csv"))));

    workdir.write(QStringLiteral("notes.txt"), "nothing of ours");
    result = run({QStringLiteral("view"), workdir.file(QStringLiteral("notes.txt")), QStringLiteral("--csv"),
                  workdir.file(QStringLiteral("out.csv"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("is no archive data or log file")) << result.errors.toStdString();

    result = run({QStringLiteral("view"), workdir.file(QStringLiteral("notes.txt"))});
    EXPECT_EQ(result.exitCode, 2) << "--csv, --xlsx or --pdf is needed";
}

TEST_F(GqcCli, ViewWritesTheWorkbookOfTheExportBesideTheCsv)
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromDaily, {RecordBytes::chromInterval(bytes({26, 3, 15, 10, 0, 0}), 0x8A, 0)});
    workdir.write(QStringLiteral("days.dch"), fileBytes(file));
    const CliRun result = run({QStringLiteral("view"), workdir.file(QStringLiteral("days.dch")),
                               QStringLiteral("--xlsx"), workdir.file(QStringLiteral("days.xlsx")),
                               QStringLiteral("--csv"), workdir.file(QStringLiteral("days.csv"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    const WorkbookSheet sheet = readWorkbook(workdir.file(QStringLiteral("days.xlsx")));
    EXPECT_EQ(sheet.text("A1"), "Суточные данные хроматографа за период с 15.03.26  по  16.03.26.     Расчет по "
                                "ДСТУ ИСО, без корректировки доли компонентов");
    EXPECT_EQ(sheet.text("C6"), "   10:00:00") << "the daily flag set: no mark";
    EXPECT_EQ(sheet.text("D6"), " 0.5000 ");
    EXPECT_TRUE(QFile::exists(workdir.file(QStringLiteral("days.csv"))));
}

TEST_F(GqcCli, ViewRefusesAWorkbookOfMoistureMeterData)
{
    workdir.write(QStringLiteral("wmt.mwm"),
                  fileBytes(archiveFile(ArchiveKind::WmtFiveMinute, {RecordBytes::wmtMoment})));
    const CliRun result = run({QStringLiteral("view"), workdir.file(QStringLiteral("wmt.mwm")),
                               QStringLiteral("--xlsx"), workdir.file(QStringLiteral("wmt.xlsx")),
                               QStringLiteral("--csv"), workdir.file(QStringLiteral("wmt.csv"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("--xlsx is for chromatograph archives")) << result.errors.toStdString();
    EXPECT_FALSE(QFile::exists(workdir.file(QStringLiteral("wmt.xlsx"))));
    EXPECT_FALSE(QFile::exists(workdir.file(QStringLiteral("wmt.csv")))) << "refused before anything is written";
}

TEST_F(GqcCli, ViewPrintsTheViewersDocumentToPdfWithTheOrganisationBesideTheCsv)
{
    workdir.write(QStringLiteral("INI/title.ini"), QByteArray("\xcf\xc0\xce \xc3\xe0\xe7") + QByteArray(33, '\0'));
    const ArchiveFile file =
        archiveFile(ArchiveKind::WmtHourly,
                    {RecordBytes::wmtMean(bytes({26, 3, 15, 10, 0, 0}), 11, 0, {-12.5f, -8.25f, 55.0f, 1.0f})});
    workdir.write(QStringLiteral("hours.hwm"), fileBytes(file));

    const CliRun result = run({QStringLiteral("view"), workdir.file(QStringLiteral("hours.hwm")),
                               QStringLiteral("--pdf"), workdir.file(QStringLiteral("hours.pdf")),
                               QStringLiteral("--csv"), workdir.file(QStringLiteral("hours.csv"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_FALSE(workdir.read(QStringLiteral("hours.csv")).isEmpty());
    const QStringList pages = pdfPages(workdir.read(QStringLiteral("hours.pdf")));
    ASSERT_EQ(pages.size(), 1);
    const QString page = pages[0].simplified();
    for (const char* text : {"ПАО Газ", "Часовые измерительные данные влагомера", "15.03.26 10:00:00 11:00:00",
                             "-12.50", "Средние значения", "Стр. 1 из 1"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text << "\n" << page.toStdString();
}
