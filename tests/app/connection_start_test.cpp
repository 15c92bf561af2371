#include "app/app_state.h"
#include "app/connection_start.h"
#include "app/engine_credentials.h"
#include "app/link_connect.h"
#include "app/main_menu.h"
#include "app/modem_connection.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

namespace {

// The windows around the procedure: the connection dialog confirms the choice
// given, the table-state dialog answers as told and records what it was shown.
class ScriptedWindows : public ConnectionWindows {
public:
    ScriptedWindows(AppState& state, Operator& person) : state_(state), person_(person) {}

    ConnectionChoice choice;
    TableInfo::Result tableAnswer = TableInfo::Exit;
    std::optional<TableStateSet> shownStates;
    int shownVersion = 0;
    int userDialogs = 0;

    bool chooseLink() override { return connectChosenLink(state_, person_, choice); }
    void identifyUser() override
    {
        ++userDialogs;
        loadCredentials(state_.engine, {"222222      ", "0002"}); // the simulator's administrator
    }
    bool dialModem() override { return dialChosenSubscriber(state_, person_); }
    void hangUpModem() override { ::hangUpModem(state_, person_); }
    TableInfo::Result showTableStates(TableStateSet& states, int softwareVersion) override
    {
        shownStates = states;
        shownVersion = softwareVersion;
        if (tableAnswer == TableInfo::WriteChosen)
            states.setToWrite(2, true);
        return tableAnswer;
    }
    bool rebuildUserTable(std::span<std::uint8_t>) override { return false; }
    void connectionChanged() override {}

private:
    AppState& state_;
    Operator& person_;
};

class ConnectionProcedure : public ::testing::Test {
protected:
    void startSimulator(SimControllerOptions controller, bool behindModem = false)
    {
        SimServerOptions options;
        options.controller = std::move(controller);
        options.tcp = true;
        options.pty = true;
        options.modem = behindModem;
        server = std::make_unique<SimServer>(options);
        QString error;
        ASSERT_TRUE(server->start(&error)) << error.toStdString();
        dir.write("INI/gqc.ini",
                  "[COM_PORTS]\r\nCOM40=" + server->ptyPath().toUtf8() +
                      "\r\n[DIR_CONN_PAR]\r\nCOMPort=40\r\nRate=9600\r\nTimeOut=300\r\nWaitTime=1\r\n"
                      "[ETHERNET_CONN_PAR]\r\nWaitTime=1\r\n"
                      "[FON_CONN_PAR]\r\nCOMPort=40\r\nRate=9600\r\nWaitTime=2\r\nConnectWaitTime=5\r\n");
        state = std::make_unique<AppState>(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
        state->setOperator(person);
        state->settings.ethernetList.count = 1;
        state->settings.ethernetList.entries[0] = {"Симулятор", 1, 0x7F000001, server->tcpPort()};
        windows = std::make_unique<ScriptedWindows>(*state, person);
        // A direct line answers fastest; one test goes over TCP.
        windows->choice = {LinkKind::Direct, "1", -1};
    }

    ConnectionStart connection()
    {
        return {*state, person, *windows, [] { return QDateTime(QDate(2024, 5, 14), QTime(10, 30, 0)); }};
    }
    bool run() { return connection().run(); }

    // Function code and field range of each request the controller received.
    QStringList requestsSeen()
    {
        QStringList seen;
        for (const QByteArray& frame : server->requests()) {
            const int code = static_cast<std::uint8_t>(frame[3]);
            const int body = code == 2 ? 21 : 5;
            seen << QStringLiteral("%1:%2.%3.%4")
                        .arg(code)
                        .arg(static_cast<std::uint8_t>(frame[body]))
                        .arg(static_cast<std::uint8_t>(frame[body + 1]))
                        .arg(static_cast<std::uint8_t>(frame[body + 2]));
        }
        return seen;
    }

    TempWorkdir dir;
    std::unique_ptr<SimServer> server;
    std::unique_ptr<AppState> state;
    std::unique_ptr<ScriptedWindows> windows;
    ScriptedOperator person;
};

TEST_F(ConnectionProcedure, AControllerInGoodOrderIsConnectedAfterTheFourBasicReads)
{
    startSimulator({});
    ASSERT_TRUE(run());
    EXPECT_TRUE(state->connected);
    EXPECT_FALSE(windows->shownStates) << "no table-state dialog";
    EXPECT_EQ(windows->userDialogs, 1);
    EXPECT_EQ(requestsSeen(), (QStringList{"1:0.0.18", "1:5.0.1", "1:6.0.10", "1:14.6.1", "1:15.6.1"}));
    EXPECT_EQ(person.panel(StatusPanel::Address), "ГРС Северная");
    EXPECT_EQ(state->moistureMeter, 1);
    EXPECT_TRUE(person.messages().isEmpty());
}

TEST_F(ConnectionProcedure, ATelephoneLinkAsksForTheUserDialsAndIdentifiesThroughTheModem)
{
    startSimulator({}, true);
    state->settings.phoneList.count = 1;
    state->settings.phoneList.entries[0] = {"ГРС по телефону", 1, 1, "8 (0562) 11-22-33"};
    windows->choice = {LinkKind::Modem, {}, 0};
    ASSERT_TRUE(run()) << (person.messages().isEmpty() ? "" : person.messages().last().line1.toStdString());
    EXPECT_EQ(windows->userDialogs, 1) << "asked before dialling, not again";
    EXPECT_EQ(state->engine.settings().linkKind, LinkKind::Modem);
    EXPECT_EQ(requestsSeen().first(), "1:0.0.18");
    EXPECT_TRUE(person.panel(StatusPanel::Modem).isEmpty()) << "the modem's progress is cleared once connected";

    EXPECT_TRUE(state->modemConnected);
    connection().disconnect();
    EXPECT_FALSE(state->modemConnected) << "hung up";
    EXPECT_FALSE(state->engine.linkOpen());
}

TEST_F(ConnectionProcedure, WithoutAMoistureMeterItsMenusAreHidden)
{
    SimControllerOptions controller;
    controller.history.moistureMeter = false;
    startSimulator(controller);
    windows->choice = {LinkKind::Ethernet, {}, 0};
    ASSERT_TRUE(run());
    EXPECT_EQ(state->moistureMeter, 0);
    EXPECT_TRUE(menuItemHidden("NWmt_Data", state->connected, state->moistureMeter != 0));
    EXPECT_FALSE(menuItemHidden("NContrDt", state->connected, state->moistureMeter != 0));
}

TEST_F(ConnectionProcedure, AnUnconfiguredControllerShowsEveryTableDestroyedWithWritingOffered)
{
    SimControllerOptions controller;
    controller.version = 14;
    startSimulator(controller);
    EXPECT_FALSE(run()) << "leaving the dialog disconnects a controller of version 14";
    ASSERT_TRUE(windows->shownStates);
    EXPECT_EQ(windows->shownVersion, 14);
    for (int table = 0; table < TableCatalogue::TableCount; ++table) {
        if (windows->shownStates->isConfiguration(table)) {
            EXPECT_TRUE(windows->shownStates->isDestroyed(table)) << table;
        }
    }
    EXPECT_TRUE(TableInfo::writeEnabled(14, LinkKind::Direct));
    EXPECT_FALSE(state->engine.linkOpen());
    EXPECT_EQ(requestsSeen(), QStringList{"1:0.0.18"}) << "table 7 is not asked for";
}

TEST_F(ConnectionProcedure, AForeignTypeOrVersionIsRefusedAndTheLinkClosed)
{
    SimControllerOptions controller;
    controller.typeCode = 72;
    startSimulator(controller);
    EXPECT_FALSE(run());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(person.messages()[0].line1, "Код типа подключенного контроллера  72");
    EXPECT_EQ(person.messages()[0].line2, "Программа обслуживает контроллеры ККГ_04");
    EXPECT_FALSE(state->engine.linkOpen());
    EXPECT_FALSE(state->connected);
}

TEST_F(ConnectionProcedure, AVersionOtherThanFourOrFourteenIsRefused)
{
    SimControllerOptions controller;
    controller.version = 5;
    startSimulator(controller);
    EXPECT_FALSE(run());
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Версия ПО подключенного контроллера 5");
    EXPECT_EQ(person.messages()[0].line2, "Программа обслуживает контроллеры ККГ только с версией ПО 4");
    EXPECT_EQ(windows->userDialogs, 0);
}

TEST_F(ConnectionProcedure, AddressAnyIsReplacedByTheAddressThatAnswered)
{
    SimControllerOptions controller;
    controller.address = 17;
    startSimulator(controller);
    windows->choice = {LinkKind::Direct, "255", -1};
    ASSERT_TRUE(run());
    EXPECT_EQ(state->settings.gqcIni.direct.address, 17);
    EXPECT_EQ(state->engine.address(), 17);
}

TEST_F(ConnectionProcedure, ADestroyedClockIsSetFromThePcAfterTheOperatorConfirms)
{
    SimControllerOptions controller;
    controller.destroyed = {2};
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteChosen;
    person.answerYes();
    ASSERT_TRUE(run());
    ASSERT_TRUE(windows->shownStates);
    EXPECT_TRUE(windows->shownStates->isDestroyed(2));
    ASSERT_EQ(person.messages().size(), 1) << "no retry question: the write went through";
    EXPECT_EQ(person.messages()[0].line1, "В контроллер будет записано время ЭВМ.");
    EXPECT_TRUE(requestsSeen().contains("2:2.0.8"));
    EXPECT_EQ(server->table(2).left(3), QByteArray::fromHex("18050e")) << "the PC's date of 14.05.24";
    EXPECT_EQ(requestsSeen().mid(0, 3), (QStringList{"1:0.0.18", "1:7.0.38", "1:6.0.10"}));
}

} // namespace
