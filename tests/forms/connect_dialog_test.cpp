#include "app/app_state.h"
#include "forms/tformconn_par.h"
#include "forms/tformconnect.h"
#include "sim/sim_server.h"
#include "support/scripted_operator.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A controller on a pseudo-terminal mapped to COM40, and one on loopback TCP.
class ConnectDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimServerOptions options;
        options.controller.address = 17;
        options.controller.baud = 38400;
        options.pty = true;
        options.tcp = true;
        server = std::make_unique<SimServer>(options);
        QString error;
        ASSERT_TRUE(server->start(&error)) << error.toStdString();
        dir.write("INI/gqc.ini", "[COM_PORTS]\r\nCOM40=" + server->ptyPath().toUtf8() +
                                     "\r\n[DIR_CONN_PAR]\r\nCOMPort=40\r\nAdr=3\r\nTimeOut=300\r\nWaitTime=1\r\n");
        state = std::make_unique<AppState>(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
        state->setOperator(person);
    }

    QPushButton* button(QWidget& dialog, const QString& text)
    {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }

    TempWorkdir dir;
    std::unique_ptr<SimServer> server;
    std::unique_ptr<AppState> state;
    ScriptedOperator person;
};

TEST_F(ConnectDialog, DirectLineLoadsTheEngineAndOpensThePort)
{
    TFormConnect dialog(*state, person);
    dialog.findChild<QComboBox*>("address")->setCurrentText("17");
    button(dialog, "Связаться")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted)
        << (person.messages().isEmpty() ? "" : person.messages().last().line1.toStdString());

    const hgcbox& engine = state->engine;
    EXPECT_EQ(engine.address(), 17);
    EXPECT_EQ(engine.settings().comPort, 40);
    EXPECT_EQ(engine.settings().bitRate, 38400);
    EXPECT_EQ(engine.settings().linkKind, LinkKind::Direct);
    EXPECT_EQ(engine.settings().answerTimeoutMs, 1000);
    EXPECT_EQ(engine.settings().interByteMs, 300);
    EXPECT_FALSE(engine.settings().openPerRequest);
    EXPECT_TRUE(engine.linkOpen());
    EXPECT_EQ(person.panel(StatusPanel::Link), " COM40,   38400 бит/с");
    EXPECT_EQ(person.panel(StatusPanel::Address), " Адр. 17");
    EXPECT_TRUE(dir.read("INI/gqc.ini").contains("Adr=17")) << "the settings are saved";

    const char table0[] = {0, 0, 18};
    EXPECT_TRUE(state->engine.request(1, QByteArrayView(table0, 3))) << state->engine.errorMessage().toStdString();
}

TEST_F(ConnectDialog, AnAddressOutOfRangeKeepsTheDialogOpen)
{
    TFormConnect dialog(*state, person);
    dialog.findChild<QComboBox*>("address")->setCurrentText("256");
    button(dialog, "Связаться")->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Адрес вне допустимого диапазона");
    EXPECT_EQ(person.messages()[0].line2, "(1...255)");
    EXPECT_FALSE(state->engine.linkOpen());
}

TEST_F(ConnectDialog, ADirectLineThatReleasesThePortDoesNotOpenIt)
{
    state->settings.gqcIni.current.openPortPerRequest = true;
    TFormConnect dialog(*state, person);
    dialog.findChild<QComboBox*>("address")->setCurrentText("17");
    button(dialog, "Связаться")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(state->engine.settings().openPerRequest);
    EXPECT_FALSE(state->engine.linkOpen());
}

TEST_F(ConnectDialog, EthernetTakesTheSubscribersAddressAndConnects)
{
    state->settings.gqcIni.current.linkKind = LinkKind::Ethernet;
    state->settings.ethernetList.count = 1;
    state->settings.ethernetList.entries[0] = {"Узел", 17, 0x7F000001, server->tcpPort()};
    state->settings.gqcIni.ethernet.link.address = 99;
    TFormConnect dialog(*state, person);
    EXPECT_EQ(dialog.findChild<QComboBox*>("subscribers")->itemText(1), "Новый абонент");
    EXPECT_FALSE(dialog.findChild<QComboBox*>("address")->isEnabled());
    button(dialog, "Связаться")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state->engine.settings().linkKind, LinkKind::Ethernet);
    EXPECT_EQ(state->engine.address(), 17);
    EXPECT_EQ(person.panel(StatusPanel::Subscriber), " Узел (IP-адр. 127.0.0.1)");
}

TEST_F(ConnectDialog, AFullTelephoneListOffersNoNewSubscriber)
{
    state->settings.gqcIni.current.linkKind = LinkKind::Modem;
    state->settings.phoneList.count = 200;
    TFormConnect dialog(*state, person);
    EXPECT_EQ(dialog.findChild<QComboBox*>("subscribers")->count(), 200);
    EXPECT_EQ(dialog.height(), 266);
}

TEST_F(ConnectDialog, AddressSearchLearnsTheOneControllerOnTheLine)
{
    TFormConn_Par parameters(state->settings.gqcIni, state->engine, person, LinkKind::Direct);
    button(parameters, "Поиск адреса устройства")->click();
    EXPECT_EQ(parameters.result(), QDialog::Accepted);
    ASSERT_FALSE(person.messages().isEmpty());
    EXPECT_EQ(person.messages().last().line1, "Адрес устройства установлен");
    EXPECT_EQ(person.messages().last().line2, "(адрес = 17).");
    EXPECT_EQ(state->settings.gqcIni.direct.address, 17);
    EXPECT_FALSE(state->engine.linkOpen()) << "the port is closed after the search";
}

TEST_F(ConnectDialog, LinkParametersOutOfRangeAreNotStored)
{
    TFormConn_Par parameters(state->settings.gqcIni, state->engine, person, LinkKind::Direct);
    for (QLineEdit* field : parameters.findChildren<QLineEdit*>())
        if (field->text() == "300")
            field->setText("54");
    button(parameters, "Принять")->click();
    EXPECT_NE(parameters.result(), QDialog::Accepted);
    ASSERT_EQ(person.messages().size(), 1);
    EXPECT_EQ(person.messages()[0].line1, "Время ожидания следующих байтов ответа");
    EXPECT_EQ(state->settings.gqcIni.direct.interByteMs, 300);
}

TEST_F(ConnectDialog, AnUnlistedStoredBitRateIsShownAndKeptUnlessAnotherIsChosen)
{
    state->settings.gqcIni.direct.bitRate = 4000;
    {
        TFormConn_Par parameters(state->settings.gqcIni, state->engine, person, LinkKind::Direct);
        const auto* rates = parameters.findChild<QComboBox*>("bitRate");
        EXPECT_EQ(rates->count(), 23);
        EXPECT_EQ(rates->currentText(), "4000");
        EXPECT_EQ(rates->itemText(rates->currentIndex() - 1), "3600");
        EXPECT_EQ(rates->itemText(rates->currentIndex() + 1), "4800");
        button(parameters, "Принять")->click();
        ASSERT_EQ(parameters.result(), QDialog::Accepted);
        EXPECT_EQ(state->settings.gqcIni.direct.bitRate, 4000);
    }
    TFormConn_Par parameters(state->settings.gqcIni, state->engine, person, LinkKind::Direct);
    parameters.findChild<QComboBox*>("bitRate")->setCurrentText("9600");
    button(parameters, "Принять")->click();
    ASSERT_EQ(parameters.result(), QDialog::Accepted);
    EXPECT_EQ(state->settings.gqcIni.direct.bitRate, 9600);
}

TEST_F(ConnectDialog, TheEthernetSendPauseIsEditedAndKeptInGqcIni)
{
    {
        TFormConn_Par direct(state->settings.gqcIni, state->engine, person, LinkKind::Direct);
        EXPECT_EQ(direct.findChild<QLineEdit*>("sendPause"), nullptr) << "a serial line has no such pause";
    }
    TFormConn_Par parameters(state->settings.gqcIni, state->engine, person, LinkKind::Ethernet);
    auto* pause = parameters.findChild<QLineEdit*>("sendPause");
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->text(), "500");
    pause->setText("0");
    button(parameters, "Принять")->click();
    ASSERT_EQ(parameters.result(), QDialog::Accepted);
    ASSERT_EQ(state->settings.saveSettings(dir.file("INI/gqc.ini")).status, SaveStatus::Saved);
    EXPECT_TRUE(dir.read("INI/gqc.ini").contains("\r\nSend_Pause_ms=0\r\n"));

    SettingsBlock reloaded;
    reloaded.loadSettings(dir.file("INI/gqc.ini"), QSize(1280, 1024));
    EXPECT_EQ(reloaded.gqcIni.ethernet.sendPauseMs, 0);
    TFormConn_Par again(reloaded.gqcIni, state->engine, person, LinkKind::Ethernet);
    EXPECT_EQ(again.findChild<QLineEdit*>("sendPause")->text(), "0");
}

} // namespace
