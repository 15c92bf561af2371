#include "archives/archive_file_builder.h"
#include "archives/record_bytes.h"
#include "cli/cli_fixtures.h"
#include "tables/config_file.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using RecordBytes::bytes;

// Three analyses: one measured, one with a substitute, one damaged.
QByteArray threeAnalyses()
{
    const ArchiveFile file =
        archiveFile(ArchiveKind::ChromFiveMinute,
                    {RecordBytes::chromMoment(bytes({26, 3, 15, 10, 0, 0}), 0),
                     RecordBytes::chromMoment(bytes({26, 3, 15, 10, 5, 0}), 0x10),
                     RecordBytes::damaged(RecordBytes::chromMoment(bytes({26, 3, 15, 10, 10, 0}), 0))});
    return file.header.bytes() + file.records.bytes();
}

} // namespace

TEST_F(GqcCli, PlotDrawsTheChosenParametersIntoAPngOfTheChartsSize)
{
    workdir.write(QStringLiteral("analyses.mch"), threeAnalyses());
    workdir.write(QStringLiteral("station.cnf"), ConfigFile::bytes(ConfigRecord()));
    const CliRun result =
        run({QStringLiteral("plot"), workdir.file(QStringLiteral("analyses.mch")), QStringLiteral("--param"),
             QStringLiteral("methane"), QStringLiteral("--param"), QStringLiteral("Температура газа,"),
             QStringLiteral("--config"), workdir.file(QStringLiteral("station.cnf")), QStringLiteral("-o"),
             workdir.file(QStringLiteral("trend.png"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out,
              "Мгновенные данные хроматографа за период  с  15.03.26 10:00:00  по  16.03.26 11:00:00\n"
              "МД метана, %: 2 points, 1 substituted, 1 damaged records left out, 4 set-points\n"
              "Температура газа, °С: 2 points, 1 substituted, 1 damaged records left out, 0 set-points\n");
    const QImage image = QImage::fromData(workdir.read(QStringLiteral("trend.png")), "PNG");
    EXPECT_EQ(image.size(), QSize(1200, 700));
}

TEST_F(GqcCli, PlotWritesAPdfForANameEndingInPdf)
{
    workdir.write(QStringLiteral("analyses.mch"), threeAnalyses());
    const CliRun result =
        run({QStringLiteral("plot"), workdir.file(QStringLiteral("analyses.mch")), QStringLiteral("--param"),
             QStringLiteral("hhv"), QStringLiteral("-o"), workdir.file(QStringLiteral("trend.PDF"))});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(workdir.read(QStringLiteral("trend.PDF")).startsWith("%PDF-"));
}

TEST_F(GqcCli, PlotOfAParameterTheFileLacksIsAUsageErrorListingTheNames)
{
    workdir.write(QStringLiteral("analyses.mch"), threeAnalyses());
    const QString out = workdir.file(QStringLiteral("trend.png"));
    CliRun result =
        run({QStringLiteral("plot"), workdir.file(QStringLiteral("analyses.mch")), QStringLiteral("--param"),
             QStringLiteral("methane"), QStringLiteral("--param"), QStringLiteral("wdp"), QStringLiteral("-o"), out});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.contains("gqc_cli: plot: no parameter \"wdp\" in ")) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains("\n  methane             МД метана, %\n")) << result.errors.toStdString();
    EXPECT_FALSE(result.errors.contains("  sum ")) << "this chromatograph gives no sum of the fractions";
    EXPECT_FALSE(QFile::exists(out));

    result = run({QStringLiteral("plot"), workdir.file(QStringLiteral("analyses.mch")), QStringLiteral("-o"), out});
    EXPECT_EQ(result.exitCode, 2) << "no --param at all";
    EXPECT_FALSE(QFile::exists(out));
}
