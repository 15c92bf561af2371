#include "link/hgcbox.h"
#include "link/serial_port_opener.h"
#include "link/serial_transport.h"

#include "support/controller_peer.h"
#include "support/engine_settings.h"
#include "support/frames.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <chrono>
#include <future>
#include <thread>

namespace {

constexpr int PortNumber = 3;

QByteArray identification(const QByteArray& request)
{
    if (request.size() < 8 || request[3] != 1)
        return {};
    return TestFrames::fieldsAnswer(static_cast<std::uint8_t>(request[1]), request[5], request[6], request[7],
                                    QByteArray(static_cast<std::uint8_t>(request[7]), '\x49'));
}

class EngineOnPseudoTerminal : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(terminal.slavePath().isEmpty());
        names = ComPortNames({{PortNumber, terminal.slavePath()}});
        ExchangeSettings settings;
        settings.comPort = PortNumber;
        settings.address = 1;
        settings.bitRate = 38400;
        settings.preambles = 5;
        settings.attempts = 1;
        settings.answerTimeoutMs = 300;
        settings.interByteMs = 100;
        settings.openPerRequest = false;
        engine.setSettings(settings);
        engine.setPortOpener(serialPortOpener(names));
    }

    PseudoTerminal terminal;
    ComPortNames names;
    hgcbox engine{1};
};

} // namespace

TEST_F(EngineOnPseudoTerminal, ReadsTableZeroThroughTheSerialPort)
{
    ControllerPeer peer(terminal.takeMaster(), identification, true);
    ASSERT_TRUE(engine.openPort());
    // A pseudo-terminal has no RTS line: the exchange goes on without it.
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000012"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(engine.answerFrame()[8], 0x49);
    EXPECT_EQ(engine.answerFrame()[2], 8 + 18 + 2);
    ASSERT_EQ(peer.requests().size(), 1);
    EXPECT_EQ(peer.requests()[0].left(8), QByteArray::fromHex("cc010a0100000012"));

    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(peer.requests().size(), 2);
}

TEST_F(EngineOnPseudoTerminal, FaultyAnswersOverTheSerialPort)
{
    int answered = 0;
    ControllerPeer peer(
        terminal.takeMaster(),
        [&answered](const QByteArray& request) {
            const QByteArray answer = identification(request);
            switch (answered++) {
            case 0: // garbage, then a frame whose length is below six, then the answer
                return QByteArray::fromHex("00ff5a") + QByteArray::fromHex("330104") + answer;
            case 1: // cut after the length byte
                return answer.left(3);
            default: // an error reply whose checksum is wrong
                QByteArray reply = TestFrames::errorReply(1, 1, 9);
                reply[reply.size() - 2] = static_cast<char>(reply[reply.size() - 2] ^ 1);
                return reply;
            }
        },
        true);
    ASSERT_TRUE(engine.openPort());
    EXPECT_TRUE(engine.request(1, QByteArray::fromHex("000012"))) << engine.errorMessage().toStdString();
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000012")));
    EXPECT_EQ(engine.status(), ExchangeStatus::AnswerIncomplete);
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000012")));
    EXPECT_EQ(engine.status(), ExchangeStatus::AnswerChecksum);
}

TEST_F(EngineOnPseudoTerminal, PortPerRequestOpensAndReleasesThePort)
{
    ControllerPeer peer(terminal.takeMaster(), identification, true);
    changeSettings(engine, [](ExchangeSettings& s) { s.openPerRequest = true; });
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_FALSE(engine.linkOpen());
    // Released: another program may take it now.
    EXPECT_NE(SerialTransport::open(terminal.slavePath(), SerialLineSettings{}), nullptr);
}

TEST_F(EngineOnPseudoTerminal, SilentControllerTimesOut)
{
    ControllerPeer peer(
        terminal.takeMaster(), [](const QByteArray&) { return QByteArray(); }, true);
    ASSERT_TRUE(engine.openPort());
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.status(), ExchangeStatus::NoAnswer);
    EXPECT_EQ(peer.requests().size(), 1);
}

TEST_F(EngineOnPseudoTerminal, LineThatHangsUpEndsInATimeOut)
{
    // The line goes dead once the request is through, while the engine waits for the answer.
    std::promise<void> heard;
    ControllerPeer peer(
        terminal.takeMaster(),
        [&heard](const QByteArray&) {
            heard.set_value();
            return QByteArray();
        },
        true);
    ASSERT_TRUE(engine.openPort());
    std::thread hangUp([&peer, requestHeard = heard.get_future()] {
        // Bounded only so that an engine that never asks fails the test instead of hanging it.
        requestHeard.wait_for(std::chrono::seconds(10));
        peer.hangUp();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    hangUp.join();
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(engine.status(), ExchangeStatus::NoAnswer);
    // The dead port was closed; the next request fails at once without a line.
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.status(), ExchangeStatus::WriteFailed);
}

TEST_F(EngineOnPseudoTerminal, PortHeldByAnotherProgramIsUnavailableButExists)
{
    const auto holder = SerialTransport::open(terminal.slavePath(), SerialLineSettings{});
    ASSERT_NE(holder, nullptr);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(engine.openPort());
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(engine.status(), ExchangeStatus::PortUnavailable);
    EXPECT_TRUE(engine.message().endsWith(QStringLiteral("Коммуникационный порт COM3 недоступен")));
    EXPECT_TRUE(portExists(PortNumber, names));
}

TEST(SerialPort, MissingDeviceIsUnavailableAfterTheWaitAndDoesNotExist)
{
    const ComPortNames names({{12, QStringLiteral("/dev/gqc-no-such-port")}});
    hgcbox engine(1);
    changeSettings(engine, [](ExchangeSettings& s) { s.comPort = 12; });
    engine.setPortOpener(serialPortOpener(names));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Коммуникационный порт COM12 недоступен"));
    EXPECT_FALSE(portExists(12, names));
}

TEST(SerialPort, FreePortExistsAndTakesBitRatesOutsideTheRange)
{
    PseudoTerminal terminal;
    const ComPortNames names({{5, terminal.slavePath()}});
    EXPECT_TRUE(portExists(5, names));
    SerialLineSettings settings;
    settings.bitRate = 50;
    settings.dataBits = 2;
    settings.parityCode = 3;
    settings.stopBitsCode = 5;
    const auto port = SerialTransport::open(terminal.slavePath(), settings);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(terminal.lineBitRate(), 110);
    EXPECT_TRUE(port->setBitRate(1'000'000));
    EXPECT_EQ(terminal.lineBitRate(), 256000);
    EXPECT_TRUE(port->setBitRate(9600));
    EXPECT_EQ(terminal.lineBitRate(), 9600);
}

TEST_F(EngineOnPseudoTerminal, BitRatesOutsideTheRangeReachTheLineClamped)
{
    ControllerPeer peer(terminal.takeMaster(), identification, true);
    // The port opener opens the line at the engine's rate...
    changeSettings(engine, [](ExchangeSettings& s) { s.bitRate = 50; });
    ASSERT_TRUE(engine.openPort());
    EXPECT_EQ(terminal.lineBitRate(), 110);
    // ...and every request sets it again.
    changeSettings(engine, [](ExchangeSettings& s) { s.bitRate = 1'000'000; });
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(terminal.lineBitRate(), 256000);
    changeSettings(engine, [](ExchangeSettings& s) { s.bitRate = 19200; });
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(terminal.lineBitRate(), 19200);
}
