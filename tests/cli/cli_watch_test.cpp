#include "cli/cli_fixtures.h"

#include <gtest/gtest.h>

TEST_F(GqcCliWithSimulator, WatchPrintsTheValuesZonesAndLinksEachRound)
{
    // Volume fractions, from "repconf.ini" of the working directory.
    workdir.write(QStringLiteral("INI/repconf.ini"), QByteArray::fromHex("01") + QByteArray(24, '\0'));
    QByteArray zones(20, '\0');
    zones[3] = 7;
    server->holdTable(32, zones);
    server->holdTable(33, QByteArray("\1\0", 2));

    const CliRun result = runOnSimulator({QStringLiteral("watch"), QStringLiteral("--count"), QStringLiteral("2")});

    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_EQ(result.out.count(QStringLiteral("Время последнего опроса хроматографа: ")), 2);
    EXPECT_TRUE(result.out.contains(QStringLiteral(" Объемная доля метана (CH4), %: ")));
    EXPECT_TRUE(result.out.contains(QStringLiteral(" Объемная доля н-бутана (n-C4H10), %: ")));
    EXPECT_TRUE(result.out.contains(QStringLiteral(" |?\n")));
    EXPECT_FALSE(result.out.contains(QStringLiteral(" Температура газа, °С: ") + QStringLiteral("|")));
    EXPECT_EQ(result.out.count(QStringLiteral("Наличие связи с хроматографом: Норма\n")), 2);
    EXPECT_EQ(result.out.count(QStringLiteral("Наличие связи с влагомером: Связи нет\n")), 2);
}

TEST_F(GqcCli, WatchCountsFromOne)
{
    const CliRun result = run({QStringLiteral("watch"), QStringLiteral("--count"), QStringLiteral("0")});
    EXPECT_EQ(result.exitCode, 2);
}

TEST_F(GqcCliWithSimulator, WatchEndsWithStatusOneWhenTheControllerRefusesARead)
{
    SimFault refusal;
    refusal.match = SimFault::Match::FunctionCode;
    refusal.key = 1;
    refusal.kind = SimFault::Kind::ErrorReply;
    refusal.code = 60;
    refusal.table = 30;
    server->setFaults({refusal});
    const CliRun result = runOnSimulator({QStringLiteral("watch"), QStringLiteral("--count"), QStringLiteral("1")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(result.errors.isEmpty());
}
