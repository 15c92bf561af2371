#include "archives/archive_file.h"
#include "archives/chrom_interval_record.h"
#include "cli_fixtures.h"

namespace {

class GqcCliReadArchive : public GqcCliWithSimulator {
protected:
    void SetUp() override
    {
        GqcCliWithSimulator::SetUp();
        server->holdClock(QDateTime(QDate(2026, 3, 15), QTime(10, 7, 30)));
    }
};

TEST_F(GqcCliReadArchive, WritesTheArchiveDataFileTheViewerWouldSave)
{
    const QString file = workdir.file("hours.hch");
    const CliRun result = runOnSimulator({"read-archive", "chrom-hour", "--from", "2026-03-15T06:40", "--to",
                                          "2026-03-15T08:00", "-o", file, "--csv", workdir.file("hours.csv")});

    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out, "3 records written to " + file + "\n");
    const auto read = readArchiveFile(ArchiveKind::ChromHourly, file);
    ASSERT_TRUE(std::holds_alternative<ArchiveFile>(read));
    const ArchiveFile& archive = std::get<ArchiveFile>(read);
    EXPECT_EQ(archive.header.periodStart(), (DateStamp{26, 3, 15, 6, 0, 0})) << "the minutes of an hourly stamp are ignored";
    EXPECT_EQ(archive.header.periodEnd(), (DateStamp{26, 3, 15, 8, 0, 0}));
    ASSERT_EQ(archive.records.count(), 3);
    EXPECT_EQ(archive.records.at<ChromIntervalRecord>(2).start().hour, 8);
    EXPECT_TRUE(archive.records.at<ChromIntervalRecord>(2).intact());
    EXPECT_EQ(workdir.read("datafile.hdm"), archive.records.bytes());
    const QList<QByteArray> csv = workdir.read("hours.csv").split('\n');
    ASSERT_EQ(csv.size(), 5) << "the caption line, three records and the end of the last line";
    EXPECT_TRUE(csv[3].startsWith("   15.03.26;   08:00:00;")) << csv[3].toStdString();
}

TEST_F(GqcCliReadArchive, APeriodOutsideTheArchiveIsRefusedWithTheDialogsWords)
{
    const CliRun result = runOnSimulator({"read-archive", "wmt-day", "--from", "2026-04-01", "--to", "2026-04-02",
                                          "-o", workdir.file("days.dwm")});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.errors.contains("В архиве нет данных за указанный период")) << result.errors.toStdString();
    EXPECT_FALSE(QFile::exists(workdir.file("days.dwm")));
}

TEST_F(GqcCli, ReadArchiveRefusesAWrongKindOrADayItsMonthLacks)
{
    const QStringList link{"--tcp", "127.0.0.1:1"};
    EXPECT_EQ(run(link + QStringList{"read-archive", "chrom-week", "--from", "2026-03-01", "--to", "2026-03-02",
                                     "-o", "x"})
                  .exitCode,
              2);
    const CliRun april31 =
        run(link + QStringList{"read-archive", "chrom-day", "--from", "2026-04-31", "--to", "2026-05-02", "-o", "x"});
    EXPECT_EQ(april31.exitCode, 2);
    EXPECT_TRUE(april31.errors.contains("--from and --to")) << april31.errors.toStdString();
}

} // namespace
