#include "link/hgcbox.h"
#include "link/modem_dialler.h"
#include "link/modem_results.h"
#include "link/serial_transport.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"

#include "support/controller_peer.h"
#include "support/engine_settings.h"
#include "support/recording_transport.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

namespace {

const QByteArray GsmQuery("AT+CPAS\r\0", 9);

// The modem dialogue's waits shortened; the simulated modem answers within milliseconds.
ModemTimings quickTimings()
{
    ModemTimings timings;
    timings.wakeUpReplyMs = 1000;
    timings.escapeGuardMs = 100;
    timings.gsmReplyMs = 1000;
    timings.beforeDialMs = 20;
    timings.afterCommandMs = 10;
    timings.hangUpGuardMs = 100;
    timings.hangUpReplyMs = 1000;
    return timings;
}

// What the line brings until it ends with `ending`, or until the wait is over.
QByteArray readUntil(Transport& line, const QByteArray& ending, int waitMs = 2000)
{
    QByteArray got;
    const QDeadlineTimer deadline(waitMs);
    while (!got.endsWith(ending) && !deadline.hasExpired()) {
        line.waitReadable(static_cast<int>(deadline.remainingTime()));
        char buffer[64];
        const int count = line.readAvailable(buffer, sizeof buffer);
        if (count > 0)
            got.append(buffer, count);
    }
    return got;
}

std::unique_ptr<Transport> openLine(const QString& device, LineRecord& record)
{
    SerialLineSettings settings;
    settings.bitRate = 9600;
    std::unique_ptr<Transport> port = SerialTransport::open(device, settings);
    if (!port)
        return nullptr;
    return std::make_unique<RecordingTransport>(std::move(port), record);
}

// The engine on the simulator's pseudo-terminal, behind its modem.
class ModemOnSimulator : public ::testing::Test {
protected:
    void startSimulator(const SimModemSettings& modem = {})
    {
        SimServerOptions options;
        options.pty = true;
        options.modem = true;
        options.modemSettings = modem;
        options.modemSettings.guardMs = 50;
        server = std::make_unique<SimServer>(options);
        QString error;
        ASSERT_TRUE(server->start(&error)) << error.toStdString();
        std::unique_ptr<Transport> line = openLine(server->ptyPath(), record);
        ASSERT_TRUE(line);
        changeSettings(engine, [](ExchangeSettings& s) {
            s.linkKind = LinkKind::Modem;
            s.openPerRequest = false;
            s.attempts = 1;
            s.answerTimeoutMs = 1000;
        });
        engine.setOperator(&person);
        engine.setTransport(std::move(line));
    }
    ModemDialler dialler() { return ModemDialler(*engine.transport(), person, StatusPanel::Modem, quickTimings()); }
    int dial(const QString& number, const QString& initialisation = {}, int attempts = 1)
    {
        return dialler().Dial(number, initialisation, attempts, 1);
    }
    // What went out after the wake-up's "ATE0" and "ATV1".
    QList<QByteArray> dialling() const { return record.writes.mid(2); }

    ScriptedOperator person;
    LineRecord record;
    std::unique_ptr<SimServer> server;
    hgcbox engine{1};
};

TEST_F(ModemOnSimulator, DialsThenCarriesTheProtocolUntilHungUp)
{
    ASSERT_NO_FATAL_FAILURE(startSimulator());
    EXPECT_EQ(dial(QStringLiteral("8 (812) 555-12 34"), QStringLiteral("init: ATZ^at&f S0=0")), DialResult::Connected);
    EXPECT_EQ(record.writes,
              (QList<QByteArray>{"ATE0\r", "ATV1\r", "ATZ\r", "at&f S0=0\r", GsmQuery, "ATD88125551234\r"}));
    const QStringList panel = person.panelHistory(StatusPanel::Modem);
    EXPECT_TRUE(panel.contains(QStringLiteral(" Установление связи по телефону. Команда ATD88125551234.")));
    EXPECT_TRUE(
        panel.contains(QStringLiteral(" Установление связи по телефону. Команда ATD88125551234.  Ответ CONNECT 9600")));
    EXPECT_TRUE(panel.contains(QStringLiteral(" Проверка готовности GSM. Команда AT+CPAS. Ответ +CPAS: 0")));

    ASSERT_TRUE(engine.request(1, QByteArray::fromHex("000012"))) << engine.errorMessage().toStdString();
    EXPECT_EQ(engine.answerFrame()[9], 73) << "the controller's type code";
    EXPECT_EQ(server->requests().size(), 1);
    EXPECT_EQ(record.rtsChanges, 0) << "a modem line has no transmitter to switch";

    ModemDialler modem = dialler();
    modem.hangUp();
    EXPECT_EQ(record.writes.mid(record.writes.size() - 2), (QList<QByteArray>{"+++", "ath\r"}));
    const ModemReply reply = modem.modemCommand("AT\r", 1000);
    EXPECT_EQ(reply.result, DialResult::Connected);
    EXPECT_TRUE(reply.text.contains("OK")) << "the modem is back in command mode";
}

TEST_F(ModemOnSimulator, BusyLineIsTriedAsOftenAsAskedThenReported)
{
    SimModemSettings modem;
    modem.dialResult = "BUSY";
    ASSERT_NO_FATAL_FAILURE(startSimulator(modem));
    EXPECT_EQ(dial(QStringLiteral("555-1234"), QStringLiteral("ATZ^ATS0=0"), 3), DialResult::Busy);
    const QList<QByteArray> once{"ATZ\r", "ATS0=0\r", GsmQuery, "ATD5551234\r"};
    EXPECT_EQ(dialling(), once + once + once);
    EXPECT_EQ(dialResultText(DialResult::Busy), QStringLiteral("Номер абонента занят"));
}

TEST_F(ModemOnSimulator, EachDialReplyGivesItsResult)
{
    ASSERT_NO_FATAL_FAILURE(startSimulator());
    const std::pair<QByteArray, int> replies[] = {
        {"NO CARRIER", DialResult::CarrierLost}, {"NO DIALTONE", DialResult::NoExchangeSignal},
        {"NO ANSWER", DialResult::NoAnswer},     {"ERROR", DialResult::NoLineTone},
        {"RING", DialResult::NotConnected},
    };
    for (const auto& [reply, result] : replies) {
        SimModemSettings modem;
        modem.dialResult = reply;
        modem.guardMs = 50;
        server->setModemSettings(modem);
        EXPECT_EQ(dial(QStringLiteral("1")), result) << reply.toStdString();
    }
}

TEST_F(ModemOnSimulator, UnreadyGsmModemEndsTheDiallingAtOnce)
{
    SimModemSettings modem;
    modem.gsmReady = false;
    ASSERT_NO_FATAL_FAILURE(startSimulator(modem));
    EXPECT_EQ(dial(QStringLiteral("1"), QStringLiteral("ATZ"), 3), DialResult::GsmNotReady);
    EXPECT_EQ(dialling(), (QList<QByteArray>{"ATZ\r", GsmQuery}));
    EXPECT_FALSE(dialler().checkGsmReady());
}

TEST_F(ModemOnSimulator, EscapeDuringTheDialEndsEveryAttempt)
{
    SimModemSettings modem;
    modem.dialResult = "BUSY";
    ASSERT_NO_FATAL_FAILURE(startSimulator(modem));
    // Escape comes with the first pump after the dial command went out.
    class EscapeOnDial : public ScriptedOperator {
    public:
        explicit EscapeOnDial(const LineRecord& record) : record_(record) {}
        void pump() override
        {
            if (!pressed_ && record_.wrote("ATD")) {
                pressed_ = true;
                pressEscapeAtPump(pumpCount() + 1);
            }
            ScriptedOperator::pump();
        }

    private:
        const LineRecord& record_;
        bool pressed_ = false;
    } escaping(record);
    ModemDialler modemDialler(*engine.transport(), escaping, StatusPanel::Modem, quickTimings());
    EXPECT_EQ(modemDialler.Dial(QStringLiteral("1"), {}, 3, 1), DialResult::Interrupted);
    EXPECT_EQ(record.countOf("ATD1\r"), 1);
    EXPECT_EQ(escaping.panel(StatusPanel::Modem),
              QStringLiteral(" Установление связи по телефону. Команда ATD1.  Ответ Escape..."));
}

TEST_F(ModemOnSimulator, ModemWithNumericResultsIsRecognised)
{
    SimModemSettings modem;
    modem.numericAtStart = true;
    ASSERT_NO_FATAL_FAILURE(startSimulator(modem));
    EXPECT_EQ(dial(QStringLiteral("1")), DialResult::Connected);
    EXPECT_EQ(record.writes, (QList<QByteArray>{"ATE0\r", "ATV1\r", GsmQuery, "ATD1\r"}));
}

TEST_F(ModemOnSimulator, NumericModemLeftOnLineIsEscapedAndSwitchedToVerbalResults)
{
    SimModemSettings modem;
    modem.numericAtStart = true;
    ASSERT_NO_FATAL_FAILURE(startSimulator(modem));
    ASSERT_TRUE(engine.transport()->write("ATD1\r"));
    // Echo and numeric "CONNECT": the modem is on line.
    ASSERT_EQ(readUntil(*engine.transport(), "1\r"), QByteArray("ATD1\r1\r"));
    EXPECT_EQ(dial(QStringLiteral("2")), DialResult::Connected);
    EXPECT_EQ(record.writes, (QList<QByteArray>{"ATD1\r", "ATE0\r", "+++", "ATE0\r", "ATV1\r", GsmQuery, "ATD2\r"}));
}

TEST(ModemDialler, NothingOnTheLineMeansNoModem)
{
    PseudoTerminal silent;
    LineRecord record;
    std::unique_ptr<Transport> line = openLine(silent.slavePath(), record);
    ASSERT_TRUE(line);
    ScriptedOperator person;
    ModemDialler dialler(*line, person, StatusPanel::Modem, quickTimings());
    EXPECT_EQ(dialler.Dial(QStringLiteral("1"), QStringLiteral("ATZ"), 3, 1), DialResult::NoModem);
    EXPECT_EQ(record.writes, (QList<QByteArray>{"ATE0\r", "+++"}));
    EXPECT_EQ(dialResultText(DialResult::NoModem), QStringLiteral("Модем отсутствует или не подключен"));
}

TEST(ModemDialler, EscapeWhileWaitingForTheModem)
{
    PseudoTerminal silent;
    LineRecord record;
    std::unique_ptr<Transport> line = openLine(silent.slavePath(), record);
    ASSERT_TRUE(line);
    ScriptedOperator person;
    person.pressEscapeAtPump(3); // the first one while waiting for the reply to ATE0
    ModemDialler dialler(*line, person, StatusPanel::Modem, quickTimings());
    EXPECT_EQ(dialler.Dial(QStringLiteral("1"), {}, 3, 1), DialResult::Interrupted);
    EXPECT_EQ(record.writes, QList<QByteArray>{"ATE0\r"});
    EXPECT_EQ(person.panelHistory(StatusPanel::Modem),
              (QStringList{QStringLiteral(" Установление связи по телефону. Команда ATE0."),
                           QStringLiteral(" Установление связи по телефону. Команда ATE0.  Ответ Escape...")}));
    EXPECT_EQ(dialResultText(DialResult::Interrupted),
              QStringLiteral("Попытка соединения прервана по требованию пользователя"));
    EXPECT_FALSE(person.takeEscape()) << "no Escape is left over for the next wait";
}

} // namespace
