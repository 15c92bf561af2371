#include "link/ethernet_connect.h"
#include "link/socket_address.h"

#include "support/controller_peer.h"
#include "support/engine_settings.h"
#include "support/flooding_peer.h"
#include "support/frames.h"
#include "support/loopback_listener.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

constexpr std::uint32_t Loopback = 0x7F000001;

QByteArray answerReads(const QByteArray& request)
{
    return TestFrames::fieldsAnswer(static_cast<std::uint8_t>(request[1]), request[5], request[6], 1, "\x49");
}

EthernetSettings settingsWith(int connectWaitS)
{
    EthernetSettings settings;
    settings.link = LinkRecord{1, 1, 38400, 2, 3, 300, 4};
    settings.connectWaitS = connectWaitS;
    return settings;
}

EthernetSubscriber subscriber(std::uint16_t port, std::uint8_t address)
{
    EthernetSubscriber entry;
    entry.name = QStringLiteral("ГРС");
    entry.controllerAddress = address;
    entry.ipAddress = Loopback;
    entry.port = port;
    return entry;
}

} // namespace

TEST(ParseDottedAddress, FourDecimalOctetsFirstOctetMostSignificant)
{
    EXPECT_EQ(parseDottedAddress(QStringLiteral("192.168.1.10")), 0xC0A8010Au);
    EXPECT_EQ(parseDottedAddress(QStringLiteral("0.0.0.0")), 0u);
    EXPECT_EQ(parseDottedAddress(QStringLiteral("255.255.255.255")), 0xFFFFFFFFu);
    for (const char* bad : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "a.b.c.d", "", " 1.2.3.4", "1..2.3", "1.2.3.-4",
                            "0001.2.3.4", "ethernet.local"})
        EXPECT_FALSE(parseDottedAddress(QString::fromLatin1(bad))) << bad;
}

TEST(ResolveAddress, NumericHostAndPortNeedNoLookup)
{
    ScriptedOperator person;
    const auto resolved =
        resolveAddress(QStringLiteral("10.0.0.7"), QStringLiteral("502"), QStringLiteral("TCP"), person);
    ASSERT_TRUE(resolved);
    EXPECT_EQ(resolved->address, QHostAddress(QStringLiteral("10.0.0.7")));
    EXPECT_EQ(resolved->port, 502);
    EXPECT_TRUE(person.messages().isEmpty());

    const auto any = resolveAddress(std::nullopt, QStringLiteral("http"), QStringLiteral("TCP"), person);
    ASSERT_TRUE(any);
    EXPECT_EQ(any->address, QHostAddress(QHostAddress::AnyIPv4));
    EXPECT_EQ(any->port, 80);
}

TEST(ResolveAddress, Ipv6AddressIsTakenAsWritten)
{
    ScriptedOperator person;
    const auto resolved = resolveAddress(QStringLiteral("::1"), QStringLiteral("502"), QStringLiteral("TCP"), person);
    ASSERT_TRUE(resolved);
    EXPECT_EQ(resolved->address, QHostAddress(QHostAddress::LocalHostIPv6));
    EXPECT_EQ(resolved->port, 502);
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST(ResolveAddress, UnknownHostOrServiceIsToldToTheOperator)
{
    ScriptedOperator person;
    EXPECT_FALSE(resolveAddress(QStringLiteral("1.2.3.4"), QStringLiteral("gqc-no-such-service"), QStringLiteral("TCP"),
                                person));
    EXPECT_FALSE(resolveAddress(QStringLiteral("1.2.3.4"), QStringLiteral("70000"), QStringLiteral("TCP"), person));
    EXPECT_FALSE(resolveAddress(QStringLiteral("gqc-no-such-host.invalid"), QStringLiteral("502"),
                                QStringLiteral("TCP"), person));
    ASSERT_EQ(person.messages().size(), 3);
    EXPECT_EQ(person.messages()[0].line1, QStringLiteral("неизвестный сервис: gqc-no-such-service"));
    EXPECT_EQ(person.messages()[1].line1, QStringLiteral("неизвестный сервис: 70000"));
    EXPECT_EQ(person.messages()[2].line1, QStringLiteral("неизвестный хост: gqc-no-such-host.invalid"));
    EXPECT_EQ(person.messages()[2].kind, MessageKind::Information);
}

TEST(ConnectEthernet, NoSubscriberChosenIsAnInputError)
{
    ScriptedOperator person;
    hgcbox engine(0);
    EXPECT_FALSE(connectEthernet(std::nullopt, settingsWith(1), engine, person));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::InputError);
    EXPECT_EQ(person.messages()[0].line1, QStringLiteral("Введены не все параметры"));
    EXPECT_FALSE(engine.linkOpen());
}

TEST(ConnectEthernet, RefusedConnectionIsToldAtOnceWithItsOwnText)
{
    std::uint16_t closedPort = 0;
    {
        const LoopbackListener listener;
        closedPort = listener.port();
    }
    ScriptedOperator person;
    hgcbox engine(0);
    // Were the refusal waited out, the operator would hear of a time-out instead.
    EXPECT_FALSE(connectEthernet(subscriber(closedPort, 9), settingsWith(30), engine, person));
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(person.messages()[0].line1, QStringLiteral("Сервер отказал в соединении"));
    EXPECT_FALSE(engine.linkOpen());
    EXPECT_FALSE(person.busy());
}

TEST(ConnectEthernet, UnansweredConnectionTimesOutAfterTheConnectWait)
{
    LoopbackListener listener;
    listener.stopAnswering();
    ScriptedOperator person;
    hgcbox engine(0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(connectEthernet(subscriber(listener.port(), 9), settingsWith(1), engine, person));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, QStringLiteral("Превышено время ожидания соединения сервер/клиент"));
    EXPECT_FALSE(engine.linkOpen());
    EXPECT_FALSE(person.busy());
}

TEST(ConnectEthernet, LoadsTheEngineAndExchangesOverTcp)
{
    LoopbackListener listener;
    ScriptedOperator person;
    hgcbox engine(0);
    engine.setOperator(&person);
    ASSERT_TRUE(connectEthernet(subscriber(listener.port(), 9), settingsWith(2), engine, person));
    EXPECT_TRUE(person.messages().isEmpty());
    EXPECT_FALSE(person.busy());
    EXPECT_TRUE(engine.linkOpen());
    // The subscriber's address counts, not the one of the settings.
    EXPECT_EQ(engine.address(), 9);
    EXPECT_EQ(engine.settings().linkKind, LinkKind::Ethernet);
    EXPECT_FALSE(engine.settings().openPerRequest);
    EXPECT_EQ(engine.settings().answerTimeoutMs, 4000);
    EXPECT_EQ(engine.settings().interByteMs, 300);
    EXPECT_EQ(engine.settings().preambles, 2);
    EXPECT_EQ(engine.settings().attempts, 3);

    auto peer = std::make_unique<ControllerPeer>(listener.accept(), answerReads, true);
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("050001"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(engine.answerFrame()[8], 0x49);
    ASSERT_EQ(peer->requests().size(), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(peer->requests()[0][1]), 9);

    // The controller side closes the connection: the receive fails at once.
    peer->hangUp();
    changeSettings(engine, [](ExchangeSettings& s) { s.attempts = 1; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("050001")));
    EXPECT_LT(clock.elapsed(), engine.settings().answerTimeoutMs);
    EXPECT_TRUE(engine.status() == ExchangeStatus::EthernetSendFailed ||
                engine.status() == ExchangeStatus::EthernetReceiveFailed)
        << exchangeStatusCode(engine.status());
}

TEST(ConnectEthernet, EveryRequestWaitsTheSendPauseOfTheSettingsFirst)
{
    LoopbackListener listener;
    ScriptedOperator person;
    hgcbox engine(0);
    engine.setOperator(&person);
    ASSERT_TRUE(connectEthernet(subscriber(listener.port(), 9), settingsWith(2), engine, person));
    EXPECT_EQ(engine.settings().sendPauseMs, 500) << "the default of gqc.ini";
    ControllerPeer peer(listener.accept(), answerReads, true);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("050001"))) << engine.errorMessage().toStdString();
    EXPECT_GE(clock.elapsed(), 500);

    // Without the pause four requests take less than their four pauses would.
    changeSettings(engine, [](ExchangeSettings& s) { s.sendPauseMs = 0; });
    clock.restart();
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(engine.request(1, QByteArray::fromHex("050001"))) << engine.errorMessage().toStdString();
    EXPECT_LT(clock.elapsed(), 4 * 500);
    EXPECT_EQ(peer.requests().size(), 5);
}

namespace {

// An engine connected to a loopback peer that floods it with noise as `flood` says.
class EngineUnderFlood : public ::testing::Test {
protected:
    void connect(const FloodingPeer::Flood& flood, int answerTimeoutS)
    {
        EthernetSettings settings = settingsWith(5);
        settings.link.attempts = 1;
        settings.link.answerTimeoutS = answerTimeoutS;
        engine.setOperator(&person);
        ASSERT_TRUE(connectEthernet(subscriber(listener.port(), 1), settings, engine, person));
        peer = std::make_unique<FloodingPeer>(listener.accept(), flood);
    }

    LoopbackListener listener;
    ScriptedOperator person;
    hgcbox engine{0};
    std::unique_ptr<FloodingPeer> peer;
};

} // namespace

TEST_F(EngineUnderFlood, NoiseThatNeverStopsStillEndsInTheAnswerTimeOut)
{
    // The peer gives up on its own long after the answer time-out, should the engine not.
    FloodingPeer::Flood flood;
    flood.longest = std::chrono::seconds(60);
    connect(flood, 1);
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.status(), ExchangeStatus::NoAnswer);
    EXPECT_TRUE(peer->flooding());
}

TEST_F(EngineUnderFlood, AnswerAfterMegabytesOfNoiseIsTaken)
{
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 1, "\x49");
    FloodingPeer::Flood flood;
    flood.bytes = 4 * 1024 * 1024;
    flood.tail = answer;
    connect(flood, 60);
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(engine.answerFrame().data()), answer.size()), answer);
    EXPECT_EQ(peer->sent(), flood.bytes);
}
