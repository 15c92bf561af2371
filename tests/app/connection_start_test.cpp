#include "app/app_state.h"
#include "app/connection_start.h"
#include "app/engine_credentials.h"
#include "app/link_connect.h"
#include "app/main_menu.h"
#include "app/modem_connection.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include "tables/config_file.h"
#include "tables/user_record.h"

#include <deque>
#include <gtest/gtest.h>

namespace {

// The windows around the procedure: the connection dialog confirms the choice
// given, the table-state dialog answers as told and records what it was shown.
class ScriptedWindows : public ConnectionWindows {
public:
    ScriptedWindows(AppState& state, Operator& person) : state_(state), person_(person) {}

    ConnectionChoice choice;
    TableInfo::Result tableAnswer = TableInfo::Exit;
    QList<int> chosenTables = {2}; // ticked for "Записать избранные таблицы"
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
            for (int table : chosenTables)
                states.setToWrite(table, true);
        if (tableAnswer == TableInfo::WriteAll)
            TableInfo::chooseAll(states);
        return tableAnswer;
    }
    // The access dialog accepts the user table as it is shown, or is left.
    bool usersAccepted = false;
    std::optional<QByteArray> usersShown;
    bool rebuildUserTable(std::span<std::uint8_t> userTable) override
    {
        usersShown =
            QByteArray(reinterpret_cast<const char*>(userTable.data()), static_cast<qsizetype>(userTable.size()));
        return usersAccepted;
    }
    // The configuration editor: each call takes the next correction, which
    // changes the record and accepts it (true) or cancels (false).
    std::deque<std::function<bool(ConfigRecord&)>> corrections;
    QList<ConfigEditing> editorsOpened;
    bool editConfiguration(ConfigRecord& record, ConfigEditing editing) override
    {
        editorsOpened << editing;
        if (corrections.empty())
            return false;
        const auto correct = corrections.front();
        corrections.pop_front();
        return correct(record);
    }
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
    EXPECT_EQ(state->slotMap.slot(18), ComponentSlotMap::NoSlot) << "the simulator's chromatograph is of type 2";
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

// A configuration file the operator keeps for the station: the simulator's
// manufacturer and administrator, three flow computers, its own gateway.
QString writeStationFile(TempWorkdir& dir, std::uint8_t chromatographAddress = 1)
{
    ConfigRecord record;
    record.setName(QStringLiteral("ГРС Восточная"));
    const auto putUser = [&record](int slot, const char* name, std::uint8_t level, const char* password,
                                   const char* code) {
        UserRecord user;
        user.setName(QString::fromLatin1(name));
        user.setLevel(level);
        user.setPassword(QString::fromLatin1(password));
        user.setCode(QString::fromLatin1(code));
        std::ranges::copy(user.bytes(), record.table(4).begin() + slot * UserRecord::size);
    };
    putUser(0, "MAN", UserRecord::Manufacturer, "111111", "0001");
    putUser(1, "ADM", UserRecord::Administrator, "222222", "0002");
    std::vector<FlowComputer> computers(3);
    for (std::uint8_t i = 0; i < 3; ++i) {
        computers[i].address = static_cast<std::uint8_t>(20 + i);
        computers[i].password.fill('0' + i);
    }
    record.setFlowComputers(computers);
    record.table(14)[0] = chromatographAddress;
    record.table(29)[8] = 10; // the gateway's first byte
    dir.write("CONFIG/station.cnf", ConfigFile::bytes(record));
    return dir.path() + "/CONFIG/station.cnf";
}

TEST_F(ConnectionProcedure, AResetControllerIsRestoredFromAFileAndDisconnected)
{
    SimControllerOptions controller;
    controller.version = 14;
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteAll;
    person.chooseFileName(writeStationFile(dir));
    windows->corrections.push_back([](ConfigRecord&) { return true; });
    person.answerYes(); // the PC's clock is right

    EXPECT_FALSE(run()) << "a controller that took its whole configuration is connected again";
    EXPECT_FALSE(state->engine.linkOpen());
    ASSERT_EQ(windows->editorsOpened.size(), 1);
    EXPECT_TRUE(windows->editorsOpened[0].restoring);
    EXPECT_TRUE(windows->editorsOpened[0].usersEditable);
    EXPECT_EQ(person.messages().size(), 1) << person.messages().last().line1.toStdString();
    EXPECT_EQ(server->version(), 4) << "every table written";

    QStringList writes;
    QList<QByteArray> credentials;
    for (const QByteArray& frame : server->requests())
        if (frame[3] == 2) {
            writes << QString::number(static_cast<std::uint8_t>(frame[21]));
            credentials << frame.mid(4, 16);
        }
    const QStringList expected = {"4", "4",  "2",  "9",  "17", "18", "19", "20", "13", "3",  "5",
                                  "6", "14", "15", "21", "22", "23", "24", "25", "26", "28", "29"};
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(credentials[0], QByteArray(16, ' ')) << "a destroyed user table takes blank credentials only";
    EXPECT_EQ(credentials[1], QByteArray(16, ' '));
    EXPECT_EQ(credentials[2], QByteArray("222222      0002")) << "then the operator's own";
    EXPECT_EQ(server->table(18).left(3), QByteArray::fromHex("141516"));
    EXPECT_EQ(server->table(13).left(48), QByteArray(16, '0') + QByteArray(16, '1') + QByteArray(16, '2'));
    EXPECT_EQ(static_cast<std::uint8_t>(server->table(29)[8]), 10);
}

TEST_F(ConnectionProcedure, ARefusedFileIsCorrectedUntilItPassesOrTheOperatorGivesUp)
{
    SimControllerOptions controller;
    controller.version = 14;
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteAll;
    person.chooseFileName(writeStationFile(dir, 0));
    windows->corrections.push_back([](ConfigRecord&) { return true; });
    windows->corrections.push_back([](ConfigRecord&) { return true; });
    person.answerYes(); // correct it
    person.answerNo();  // give up

    EXPECT_FALSE(run());
    EXPECT_EQ(windows->editorsOpened.size(), 2);
    QStringList texts;
    for (const auto& message : person.messages())
        texts << message.line1;
    EXPECT_EQ(texts, (QStringList{"Неверно задан адрес хроматографа", "Корректировать параметры конфигурации?",
                                  "Неверно задан адрес хроматографа", "Корректировать параметры конфигурации?",
                                  "Запись таблиц не выполнена"}));
    for (const QByteArray& frame : server->requests())
        EXPECT_NE(frame[3], 2) << "nothing written";
}

TEST_F(ConnectionProcedure, AChangedRecordIsOfferedForSavingBeforeItIsWritten)
{
    SimControllerOptions controller;
    controller.version = 14;
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteAll;
    const QString file = writeStationFile(dir, 0);
    person.chooseFileName(file);
    windows->corrections.push_back([](ConfigRecord& record) {
        record.table(14)[0] = 3;
        return true;
    });
    person.chooseFileName(file);
    person.answerYes(2); // replace the file; the PC's clock is right

    EXPECT_FALSE(run());
    EXPECT_EQ(server->version(), 4);
    ASSERT_EQ(person.fileChoices().size(), 2);
    EXPECT_EQ(person.fileChoices()[1].mode, FileChoice::Mode::Save);
    EXPECT_EQ(dir.read("CONFIG/station.cnf")[283], 3) << "the file holds what was written";
    EXPECT_EQ(server->table(14)[0], 3);
}

TEST_F(ConnectionProcedure, OnlyTheUsersAndTheClockChosenTheUsersComeFromTheFileThroughTheAccessDialog)
{
    SimControllerOptions controller;
    controller.destroyed = {2, 4};
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteChosen;
    windows->chosenTables = {2, 4};
    windows->usersAccepted = true;
    person.chooseFileName(writeStationFile(dir));
    person.answerYes(); // the PC's clock is right

    ASSERT_TRUE(run());
    EXPECT_TRUE(windows->editorsOpened.isEmpty()) << "no other table, no configuration editor";
    ASSERT_TRUE(windows->usersShown);
    EXPECT_EQ(windows->usersShown->left(3), "MAN") << "the access dialog starts from the file's users";
    QStringList writes;
    for (const QString& request : requestsSeen())
        if (request.startsWith("2:"))
            writes << request;
    EXPECT_EQ(writes, (QStringList{"2:4.0.10", "2:4.10.6", "2:2.0.8"}));
    EXPECT_EQ(server->table(4).left(3), "MAN");
}

TEST_F(ConnectionProcedure, UsersLeftInTheAccessDialogStopTheRepairWithNothingWritten)
{
    SimControllerOptions controller;
    controller.destroyed = {4};
    startSimulator(controller);
    windows->tableAnswer = TableInfo::WriteChosen;
    windows->chosenTables = {4};
    person.chooseFileName(writeStationFile(dir));

    run();
    ASSERT_FALSE(person.messages().isEmpty());
    EXPECT_EQ(person.messages()[0].line1, "Таблица доступа к записи в контроллер не восстановлена");
    EXPECT_EQ(person.messages()[0].line2, "Запись в таблицы параметров конфигурации недопустима");
    for (const QString& request : requestsSeen())
        EXPECT_FALSE(request.startsWith("2:")) << request.toStdString();
}

} // namespace
