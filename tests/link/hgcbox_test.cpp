#include "crc/crc16.h"
#include "link/hgcbox.h"

#include "support/fake_line.h"
#include "support/flooding_peer.h"
#include "support/frames.h"
#include "support/scripted_operator.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <functional>

namespace {

const QByteArray Table0Range = QByteArray::fromHex("000012");

// An operator whose message pump can do what a window's event handler might.
class PumpingOperator : public ScriptedOperator {
public:
    std::function<void(int)> onPump;
    void pump() override
    {
        ScriptedOperator::pump();
        if (onPump)
            onPump(pumpCount());
    }
};

class EngineOnFakeLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.setOperator(&person);
        settings.address = 1;
        settings.statusPanel = StatusPanel::Exchange;
        settings.openPerRequest = false;
        settings.attempts = 1;
        settings.answerTimeoutMs = 150;
        settings.interByteMs = 40;
        settings.bitRate = 115200;
        engine.setSettings(settings);
        engine.setTransport(line.connect());
    }

    // Hands the fixture's settings, as the test has changed them, to the engine.
    void apply() { engine.setSettings(settings); }

    bool readTable0() { return engine.request(1, Table0Range); }
    QByteArray answerBytes() const
    {
        return QByteArray(reinterpret_cast<const char*>(engine.answerFrame().data()), engine.answerFrame()[2]);
    }
    QByteArray requestBytes() const
    {
        return QByteArray(reinterpret_cast<const char*>(engine.requestFrame().data()), engine.requestFrame()[2]);
    }

    FakeLine line;
    PumpingOperator person;
    ExchangeSettings settings;
    hgcbox engine{1};
};

} // namespace

TEST_F(EngineOnFakeLine, ReadSendsPreamblesAndFrameAndTakesTheAnswer)
{
    settings.preambles = 5;
    settings.bitRate = 38400;
    apply();
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 18, QByteArray::fromHex("00490204"));
    line.answer(answer, 5);

    ASSERT_TRUE(readTable0()) << engine.errorMessage().toStdString();
    EXPECT_EQ(engine.status(), ExchangeStatus::Done);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Команда выполнена"));
    ASSERT_EQ(line.writes().size(), 1);
    QByteArray frame = QByteArray::fromHex("cc010a0100000012");
    appendCrc16(frame);
    EXPECT_EQ(line.writes()[0], QByteArray(5, '\xff') + frame);
    EXPECT_EQ(answerBytes(), answer);
    EXPECT_EQ(person.panelHistory(StatusPanel::Exchange), QStringList({QStringLiteral("Обмен..."), QString()}));
    // The bit rate is applied and both buffers purged before the request, and again after the answer.
    const QList<FakeLine::Event> events = line.events();
    ASSERT_GE(events.size(), 2);
    EXPECT_EQ(events[0].action, FakeLine::Action::BitRate);
    EXPECT_EQ(events[0].value, 38400);
    EXPECT_EQ(events[1].action, FakeLine::Action::Purge);
    EXPECT_EQ(events.last().action, FakeLine::Action::Purge);
}

TEST_F(EngineOnFakeLine, GarbageAndShortLengthsBeforeTheAnswerAreSkipped)
{
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 1, "\x07");
    line.answer(QByteArray::fromHex("0055ff33") + QByteArray::fromHex("330105") + answer, 3);
    ASSERT_TRUE(readTable0());
    EXPECT_EQ(answerBytes(), answer);
}

TEST_F(EngineOnFakeLine, AnswerBehindAnyLengthOfNoiseIsTaken)
{
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 1, "\x07");
    const QByteArray noise = FloodingPeer::noise().repeated(3);
    // Around the sizes in which the engine takes bytes from the link, the answer
    // starts, ends or lies across one of their boundaries.
    for (const qsizetype length : {0, 1, 1000, 4080, 4083, 4090, 4095, 4096, 4097, 8191, 12000}) {
        SCOPED_TRACE(length);
        line.answer(noise.left(length) + answer + noise.left(30));
        ASSERT_TRUE(readTable0()) << engine.errorMessage().toStdString();
        EXPECT_EQ(answerBytes(), answer);
    }
}

TEST_F(EngineOnFakeLine, AnswerCutAfterItsLengthFailsWithStatus5AfterTheInterByteTime)
{
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x07").left(3));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(readTable0());
    EXPECT_GE(clock.elapsed(), settings.interByteMs);
    EXPECT_LT(clock.elapsed(), settings.answerTimeoutMs);
    EXPECT_EQ(engine.status(), ExchangeStatus::AnswerIncomplete);
    EXPECT_EQ(engine.errorMessage(),
              QStringLiteral("Команда 1.  Ответ получен не полностью (превышено время между байтами)"));
    EXPECT_EQ(engine.message(), engine.errorMessage());
}

TEST_F(EngineOnFakeLine, SilenceFailsWithStatus10AfterTheAnswerTime)
{
    line.staySilent();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(readTable0());
    EXPECT_GE(clock.elapsed(), settings.answerTimeoutMs);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(engine.status(), ExchangeStatus::NoAnswer);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Устройство не отвечает"));
    EXPECT_EQ(person.panel(StatusPanel::Exchange), QString());
}

TEST_F(EngineOnFakeLine, BytesArrivingOneByOneJustInsideTheInterByteTimeMakeAFrame)
{
    settings.interByteMs = 60;
    apply();
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 2, "\x01\x02");
    line.answerBytewise(answer, 10, 45);
    ASSERT_TRUE(readTable0()) << engine.errorMessage().toStdString();
    EXPECT_EQ(answerBytes(), answer);
}

TEST_F(EngineOnFakeLine, ControllerErrorRepliesGiveItsTextWithTheCommand)
{
    line.answer(TestFrames::errorReply(1, 0x01, 9));
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::ControllerError);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Нет такой таблицы"));

    line.answer(TestFrames::errorReply(1, 0x01, 70));
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Код ошибки = 70"));

    line.answer(TestFrames::errorReply(1, 0x01, 0));
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Код ошибки = 0"));

    line.answer(TestFrames::errorReply(1, 0x02, 33));
    EXPECT_FALSE(engine.request(2, QByteArray::fromHex("0400014142")));
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 2.  Пользователь с таким именем уже есть "));

    // A success after a failure leaves no failure text behind.
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    EXPECT_TRUE(readTable0());
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Команда выполнена"));
}

TEST_F(EngineOnFakeLine, DestroyedTableErrorNamesTheTable)
{
    line.answer(TestFrames::errorReply(1, 0x02, 60, QByteArray::fromHex("0005")));
    EXPECT_FALSE(engine.request(2, QByteArray::fromHex("0500014142")));
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 2.  Разрушена таблица 5"));
}

TEST_F(EngineOnFakeLine, ErrorReplyWithWrongChecksumIsAChecksumFailure)
{
    QByteArray reply = TestFrames::errorReply(1, 0x01, 9);
    reply[reply.size() - 1] = static_cast<char>(reply[reply.size() - 1] ^ 0x40);
    line.answer(reply);
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::AnswerChecksum);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Несовпадение КС ответа контроллера"));
}

TEST_F(EngineOnFakeLine, AnswerToAnotherFunctionIsAnError)
{
    // A successful-looking answer, but to a write.
    line.answer(TestFrames::answer(1, 0x82, QByteArray::fromHex("0400000001")));
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::ControllerError);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Неправильные параметры в запросе"));
}

TEST_F(EngineOnFakeLine, SecondAttemptAfterATimeOutSendsTheSameFrameAtOnce)
{
    settings.attempts = 2;
    apply();
    line.staySilent();
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    ASSERT_TRUE(readTable0());
    const QList<FakeLine::Event> writes = line.eventsOf(FakeLine::Action::Write);
    ASSERT_EQ(writes.size(), 2);
    EXPECT_EQ(writes[0].bytes, writes[1].bytes);
    const qint64 gapMs = (writes[1].atNs - writes[0].atNs) / 1'000'000;
    EXPECT_GE(gapMs, settings.answerTimeoutMs);
    EXPECT_LT(gapMs, settings.answerTimeoutMs + 1000);
}

TEST_F(EngineOnFakeLine, AttemptsZeroStillSendsOnce)
{
    settings.attempts = 0;
    apply();
    line.staySilent();
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(line.writes().size(), 1);
    EXPECT_EQ(engine.status(), ExchangeStatus::NoAnswer);
}

TEST_F(EngineOnFakeLine, RequestToAnyAddressLearnsTheControllerAddress)
{
    settings.address = 0xFF;
    apply();
    line.answer(TestFrames::fieldsAnswer(17, 0, 0, 1, "\x01"));
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.requestFrame()[1], 0xFF);
    EXPECT_EQ(engine.address(), 17);
    EXPECT_EQ(engine.settings().address, 17);

    // The next request goes to the learnt address.
    line.answer(TestFrames::fieldsAnswer(17, 0, 0, 1, "\x01"));
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.requestFrame()[1], 17);
}

TEST_F(EngineOnFakeLine, CorruptedAnswerTeachesNoAddress)
{
    settings.address = 0xFF;
    apply();
    QByteArray answer = TestFrames::fieldsAnswer(0x21, 0, 0, 1, "\x01");
    answer[8] = 0x02;
    line.answer(answer);
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_EQ(engine.status(), ExchangeStatus::AnswerChecksum);
    EXPECT_EQ(engine.address(), 0xFF);
}

TEST_F(EngineOnFakeLine, WriteOfTheControllerAddressIsAnsweredFromTheNewOne)
{
    line.answer(QByteArray::fromHex("33") + TestFrames::answer(9, 0x82, QByteArray::fromHex("0003000001")));
    EXPECT_TRUE(engine.request(2, QByteArray::fromHex("03000109")));
    EXPECT_EQ(engine.address(), 1);
}

TEST_F(EngineOnFakeLine, LongestAnswerOf255Bytes)
{
    const QByteArray longest = TestFrames::fieldsAnswer(1, 30, 0, 22, QByteArray(245, 'v'));
    ASSERT_EQ(longest.size(), 255);
    line.answer(longest + QByteArray(20, 'x'));
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("1e0016")));
    EXPECT_EQ(answerBytes(), longest);
}

TEST_F(EngineOnFakeLine, UnknownFunctionCodeOrOverlongWriteSendsNothing)
{
    EXPECT_FALSE(engine.request(3, Table0Range));
    EXPECT_EQ(engine.status(), ExchangeStatus::BadFunctionCode);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 3.  Неверно задан код функции"));
    EXPECT_FALSE(engine.request(2, QByteArray(233, 'x')));
    EXPECT_EQ(engine.status(), ExchangeStatus::BadFunctionCode);
    EXPECT_TRUE(line.writes().isEmpty());
}

TEST_F(EngineOnFakeLine, AbortBeforeTheRequestSendsNothing)
{
    engine.requestAbort();
    EXPECT_TRUE(engine.abortRequested());
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::Aborted);
    EXPECT_FALSE(engine.abortRequested());
    EXPECT_TRUE(line.writes().isEmpty());
    EXPECT_EQ(engine.errorMessage().right(53), QStringLiteral("Обмен прерван по признаку завершения работы программы"));
}

TEST_F(EngineOnFakeLine, AbortWhileWaitingEndsTheExchangeAtOnce)
{
    settings.attempts = 3;
    settings.answerTimeoutMs = 5000;
    apply();
    line.staySilent();
    person.onPump = [this](int count) {
        if (count == 5)
            engine.requestAbort();
    };
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(readTable0());
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine.status(), ExchangeStatus::Aborted);
    EXPECT_FALSE(engine.abortRequested());
    EXPECT_EQ(line.writes().size(), 1);
    EXPECT_EQ(person.panel(StatusPanel::Exchange), QString());
}

TEST_F(EngineOnFakeLine, SecondRequestWhileOneRunsIsRefused)
{
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"), 20);
    bool nested = true;
    person.onPump = [&](int count) {
        if (count == 2)
            nested = engine.request(1, QByteArray::fromHex("050001"));
    };
    EXPECT_TRUE(readTable0());
    EXPECT_FALSE(nested);
    EXPECT_EQ(line.writes().size(), 1);
    EXPECT_EQ(engine.lastFunction(), 1);
    EXPECT_EQ(engine.requestFrame()[5], 0);
}

TEST_F(EngineOnFakeLine, DirectLineHoldsTheTransmitterForTheFrameTime)
{
    // 5 preambles and a 10-byte read at 9600 bit/s: (5 + 10 + 1) * 10 / 9600 s, about 16.7 ms.
    settings.preambles = 5;
    settings.bitRate = 9600;
    apply();
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"), 30);
    ASSERT_TRUE(readTable0());
    const QList<FakeLine::Event> rts = line.eventsOf(FakeLine::Action::Rts);
    const QList<FakeLine::Event> writes = line.eventsOf(FakeLine::Action::Write);
    ASSERT_EQ(rts.size(), 2);
    ASSERT_EQ(writes.size(), 1);
    EXPECT_EQ(rts[0].value, 1);
    EXPECT_EQ(rts[1].value, 0);
    EXPECT_GE(writes[0].atNs - rts[0].atNs, 2'000'000);
    const qint64 heldNs = rts[1].atNs - writes[0].atNs;
    EXPECT_GE(heldNs, 16'666'000);
    EXPECT_LT(heldNs, 100'000'000);
}

TEST_F(EngineOnFakeLine, DeviceWithoutRtsControlStillExchanges)
{
    line.rtsSupported = false;
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    EXPECT_TRUE(readTable0());
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    EXPECT_TRUE(readTable0());
}

TEST_F(EngineOnFakeLine, ModemLineLeavesRtsAlone)
{
    settings.linkKind = LinkKind::Modem;
    apply();
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    EXPECT_TRUE(readTable0());
    EXPECT_TRUE(line.eventsOf(FakeLine::Action::Rts).isEmpty());
}

TEST_F(EngineOnFakeLine, FailedSerialWriteIsStatus3AndReleasesTheTransmitter)
{
    line.writeFails = true;
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::WriteFailed);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Сбой при выполнении операции записи"));
    EXPECT_EQ(line.eventsOf(FakeLine::Action::Rts).last().value, 0);
}

TEST_F(EngineOnFakeLine, EthernetWaitsBeforeSendingAndDropsLateBytes)
{
    settings.linkKind = LinkKind::Ethernet;
    apply();
    // Bytes of an answer that came too late for an earlier request.
    line.arriveNow(TestFrames::fieldsAnswer(1, 5, 0, 1, QByteArray(20, 'o')));
    const QByteArray answer = TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01");
    line.answer(answer, 2);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(readTable0());
    EXPECT_GE(clock.elapsed(), 500);
    EXPECT_EQ(answerBytes(), answer);
    EXPECT_TRUE(line.eventsOf(FakeLine::Action::Rts).isEmpty());
    EXPECT_TRUE(line.eventsOf(FakeLine::Action::BitRate).isEmpty());
}

TEST_F(EngineOnFakeLine, EthernetSendAndReceiveFailures)
{
    settings.linkKind = LinkKind::Ethernet;
    apply();
    line.writeFails = true;
    EXPECT_FALSE(readTable0());
    EXPECT_EQ(engine.status(), ExchangeStatus::EthernetSendFailed);
    EXPECT_EQ(engine.errorMessage(),
              QStringLiteral("Команда 1.  Ithernet. Не выполнена команда send (посылка запроса)"));

    line.writeFails = false;
    line.readFails = true;
    settings.answerTimeoutMs = 5000;
    apply();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(readTable0());
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(engine.status(), ExchangeStatus::EthernetReceiveFailed);
    EXPECT_EQ(engine.errorMessage(),
              QStringLiteral("Команда 1.  Ithernet. Не выполнена команда recv (чтение ответа на запрос)"));
}

TEST(EnginePortPerRequest, OpensThePortForEachRequestAndClosesItAfter)
{
    FakeLine line;
    hgcbox engine(1);
    ExchangeSettings settings = engine.settings();
    settings.attempts = 1;
    settings.bitRate = 115200;
    settings.comPort = 4;
    engine.setSettings(settings);
    QList<int> openedPorts;
    engine.setPortOpener([&](int port, int rate) {
        openedPorts.append(port);
        EXPECT_EQ(rate, 115200);
        return line.connect();
    });
    line.answer(TestFrames::fieldsAnswer(1, 0, 0, 1, "\x01"));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000001")));
    // 100 ms after the open and 150 ms after the close.
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_EQ(openedPorts, QList<int>({4}));
    EXPECT_EQ(line.openTransports(), 0);
    EXPECT_FALSE(engine.linkOpen());
}

TEST(EnginePortPerRequest, UnavailablePortIsStatus6AfterTheWait)
{
    hgcbox engine(1);
    ExchangeSettings settings = engine.settings();
    settings.comPort = 7;
    engine.setSettings(settings);
    int tries = 0;
    engine.setPortOpener([&](int, int) {
        ++tries;
        return std::unique_ptr<Transport>();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(engine.request(1, QByteArray::fromHex("000001")));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_GT(tries, 1);
    EXPECT_EQ(engine.status(), ExchangeStatus::PortUnavailable);
    EXPECT_EQ(engine.errorMessage(), QStringLiteral("Команда 1.  Коммуникационный порт COM7 недоступен"));

    settings.portOpenWaitS = 0;
    engine.setSettings(settings);
    tries = 0;
    EXPECT_FALSE(engine.openPort());
    EXPECT_EQ(tries, 0);
    EXPECT_EQ(engine.status(), ExchangeStatus::PortUnavailable);
}

TEST(EngineSettings, StartAsTheProtocolSaysWithTheGivenAddress)
{
    const hgcbox engine(5);
    const ExchangeSettings& settings = engine.settings();
    EXPECT_EQ(settings.linkKind, LinkKind::Direct);
    EXPECT_EQ(settings.comPort, 1);
    EXPECT_EQ(settings.portOpenWaitS, 1);
    EXPECT_TRUE(settings.openPerRequest);
    EXPECT_EQ(settings.address, 5);
    EXPECT_EQ(engine.address(), 5);
    EXPECT_EQ(settings.bitRate, 1200);
    EXPECT_EQ(settings.preambles, 0);
    EXPECT_EQ(settings.credentials.password, blankBytes<12>());
    EXPECT_EQ(settings.credentials.userCode, blankBytes<4>());
    EXPECT_EQ(settings.interByteMs, 10);
    EXPECT_EQ(settings.answerTimeoutMs, 2000);
    EXPECT_EQ(settings.attempts, 2);
    EXPECT_FALSE(settings.statusPanel);
    EXPECT_EQ(engine.status(), ExchangeStatus::Done);
    EXPECT_EQ(engine.lastFunction(), 0);
    EXPECT_FALSE(engine.abortRequested());
}

TEST_F(EngineOnFakeLine, NewSettingsTakeEffectTogetherWithTheNextRequest)
{
    settings.address = 23;
    settings.preambles = 2;
    settings.bitRate = 4800;
    settings.credentials.password = {'1', '2', '3', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    settings.credentials.userCode = {'0', '0', '0', '9'};
    settings.statusPanel.reset();
    apply();
    EXPECT_EQ(engine.settings(), settings);
    line.answer(TestFrames::answer(23, 0x82, QByteArray::fromHex("00040001")));
    ASSERT_TRUE(engine.request(2, QByteArray::fromHex("0400014142"))) << engine.errorMessage().toStdString();
    const QByteArray sent = line.writes().last();
    EXPECT_EQ(sent.left(2), QByteArray(2, '\xff'));
    EXPECT_EQ(static_cast<std::uint8_t>(sent[2 + 1]), 23);
    EXPECT_EQ(sent.mid(2 + 4, 16), "123         0009");
    EXPECT_EQ(line.eventsOf(FakeLine::Action::BitRate).last().value, 4800);
    EXPECT_TRUE(person.panelHistory(StatusPanel::Exchange).isEmpty());
}
