#include "exchange/controller_reset.h"
#include "support/engine_settings.h"
#include "support/simulated_link.h"

#include <gtest/gtest.h>

namespace {

TEST(ResetNonVolatileData, TheControllerAndTheSavedDirectLinkRestartAtAddress1And9600)
{
    SimControllerOptions controller;
    controller.address = 3;
    SimulatedLink link(controller);
    ASSERT_TRUE(link.up());
    changeSettings(link.engine, [](ExchangeSettings& s) { s.bitRate = 38400; });
    link.settings.gqcIni.direct.address = 3;
    link.settings.gqcIni.direct.bitRate = 38400;
    RequestContext context = link.context();
    ASSERT_TRUE(resetNonVolatileData(context));

    ASSERT_EQ(link.frames().size(), 1);
    EXPECT_EQ(link.frames()[0][3], 25);
    EXPECT_EQ(link.server().version(), 14);
    EXPECT_EQ(link.engine.address(), 1);
    EXPECT_EQ(link.engine.settings().bitRate, 9600);
    EXPECT_EQ(link.settings.gqcIni.direct.address, 1);
    EXPECT_EQ(link.settings.gqcIni.direct.bitRate, 9600);
    EXPECT_TRUE(link.person.messages().isEmpty());
}

TEST(ResetNonVolatileData, AnEthernetLinkKeepsItsSavedSettings)
{
    SimulatedLink link;
    ASSERT_TRUE(link.up());
    link.settings.gqcIni.current.linkKind = LinkKind::Ethernet;
    const Settings before = link.settings.gqcIni;
    RequestContext context = link.context();
    ASSERT_TRUE(resetNonVolatileData(context));
    EXPECT_EQ(link.settings.gqcIni, before);
    EXPECT_EQ(link.engine.settings().bitRate, 9600);
}

TEST(ResetNonVolatileData, ARefusalIsToldAndChangesNothing)
{
    SimControllerOptions controller;
    controller.address = 3;
    SimulatedLink link(controller);
    ASSERT_TRUE(link.up());
    link.logIn(SimulatedLink::Operator4);
    link.settings.gqcIni.current.linkKind = LinkKind::Modem;
    link.settings.gqcIni.phone.link.address = 3;
    RequestContext context = link.context();
    EXPECT_FALSE(resetNonVolatileData(context));

    ASSERT_EQ(link.person.messages().size(), 1);
    EXPECT_EQ(link.person.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(link.person.messages()[0].line1, "Команда не может быть выполнена.");
    EXPECT_EQ(link.person.messages()[0].line2, "Команда 25.  Недостаточный уровень доступа");
    EXPECT_EQ(link.server().version(), 4);
    EXPECT_EQ(link.engine.address(), 3);
    EXPECT_EQ(link.settings.gqcIni.phone.link.address, 3);
}

} // namespace
