#include "link/engine_loading.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// The engine's settings before a link is loaded: what the link record does not hold.
ExchangeSettings engineBefore()
{
    ExchangeSettings settings;
    settings.statusPanel = StatusPanel::Exchange;
    settings.credentials.userCode = {'0', '0', '0', '2'};
    settings.address = 44;
    return settings;
}

const LinkRecord Link{7, 17, 19200, 3, 4, 150, 5};

} // namespace

TEST(EngineLoading, ASerialLinkPutsItsRecordAndPortHandlingIntoTheSettings)
{
    CurrentSettings current;
    current.portOpenWaitS = 3;
    current.openPortPerRequest = true;
    const ExchangeSettings direct = withSerialLink(engineBefore(), Link, LinkKind::Direct, current);

    ExchangeSettings expected = engineBefore();
    expected.linkKind = LinkKind::Direct;
    expected.comPort = 7;
    expected.address = 17;
    expected.bitRate = 19200;
    expected.preambles = 3;
    expected.attempts = 4;
    expected.interByteMs = 150;
    expected.answerTimeoutMs = 5000;
    expected.portOpenWaitS = 3;
    expected.openPerRequest = true;
    EXPECT_EQ(direct, expected);

    // Behind a modem the port stays open from the dialling to the hang-up.
    const ExchangeSettings modem = withSerialLink(engineBefore(), Link, LinkKind::Modem, current);
    EXPECT_EQ(modem.linkKind, LinkKind::Modem);
    EXPECT_FALSE(modem.openPerRequest);
}

TEST(EngineLoading, AnEthernetLinkTakesTheSubscribersAddressAndKeepsItsSocket)
{
    ExchangeSettings before = engineBefore();
    before.comPort = 2;
    before.bitRate = 2400;
    EthernetSettings section;
    section.link = Link;
    section.sendPauseMs = 40;
    const ExchangeSettings ethernet = withEthernetLink(before, section, 9);

    ExchangeSettings expected = before;
    expected.linkKind = LinkKind::Ethernet;
    expected.openPerRequest = false;
    expected.address = 9;
    expected.preambles = 3;
    expected.attempts = 4;
    expected.interByteMs = 150;
    expected.answerTimeoutMs = 5000;
    expected.sendPauseMs = 40;
    EXPECT_EQ(ethernet, expected);
}

TEST(EngineLoading, AnyAnswerTimeOutARecordHoldsStaysAWait)
{
    LinkRecord link = Link;
    link.answerTimeoutS = 2147483; // the longest whose milliseconds fit 32 bits
    EXPECT_EQ(withLinkExchange(engineBefore(), link).answerTimeoutMs, 2147483000);
    link.answerTimeoutS = 2147484;
    EXPECT_EQ(withLinkExchange(engineBefore(), link).answerTimeoutMs, 2147483000) << "not wrapped round";
    link.answerTimeoutS = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(withSerialLink(engineBefore(), link, LinkKind::Direct, {}).answerTimeoutMs, 2147483000);
    link.answerTimeoutS = -1;
    EXPECT_EQ(withEthernetLink(engineBefore(), EthernetSettings{link}, 1).answerTimeoutMs, 0);
}
