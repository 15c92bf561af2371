#include "link/ethernet_connect.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

namespace {

// The program's exchange engine reading the simulated controller over loopback TCP.
TEST(SimWithEngine, ReadsIdentificationAndReportsAMissingTableOverTcp)
{
    SimServerOptions options;
    options.tcp = true;
    options.controller.address = 3;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();

    ScriptedOperator person;
    hgcbox engine(3);
    EthernetSettings settings;
    settings.link = LinkRecord{1, 3, 9600, 2, 1, 100, 2};
    settings.connectWaitS = 5;
    ASSERT_TRUE(connectEthernetHost(QStringLiteral("127.0.0.1"), QString::number(server.tcpPort()), 3, settings, engine,
                                    person));

    const char identification[] = {0, 0, 18};
    ASSERT_TRUE(engine.request(1, QByteArrayView(identification, sizeof identification)))
        << engine.message().toStdString();
    EXPECT_EQ(engine.answerFrame()[1], 3);
    EXPECT_EQ(engine.answerFrame()[2], 8 + 18 + 2);
    EXPECT_EQ(engine.answerFrame()[8 + 1], 73);
    EXPECT_EQ(engine.answerFrame()[8 + 3], 4);

    const char missing[] = {38, 0, 1};
    EXPECT_FALSE(engine.request(1, QByteArrayView(missing, sizeof missing)));
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Нет такой таблицы"));
    EXPECT_EQ(server.requests().size(), 2);
}

} // namespace
