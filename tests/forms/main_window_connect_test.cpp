#include "connected_window.h"

#include "app/app_state.h"
#include "forms/main_menu_bar.h"
#include "forms/main_status_bars.h"
#include "forms/tformmain.h"
#include "sim/sim_server.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

namespace {

TEST(MainWindowConnection, ConnectsToTheSimulatorThroughTheDialogsAndShowsTheFullMenu)
{
    SimServerOptions options;
    options.tcp = true;
    SimServer server(options);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();

    TempWorkdir dir;
    dir.write("INI/gqc.ini", "[CURR_PAR]\r\nConn_Prz=2\r\n");
    dir.write("INI/ethr_abonents.ini",
              QStringLiteral("[ETHERNET_CONN_PAR]\r\nusers_num=1\r\n[ETHERNET_ABONENT_1]\r\n"
                             "user_name=Sim\r\ncontr_adr=1\r\nip_adr=2130706433\r\nport=%1\r\n")
                  .arg(server.tcpPort())
                  .toLatin1());
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    EXPECT_FALSE(window.menu().action("NWorkPar")->isVisible());

    DialogDriver driver;
    window.startConnection();
    QElapsedTimer waited;
    waited.start();
    while (!state.connected && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    ASSERT_TRUE(state.connected);
    EXPECT_EQ(driver.seen, (QStringList{"Связаться", "Идентификация пользователя программы"}));
    EXPECT_EQ(state.engine.settings().credentials.userCode, (std::array<std::uint8_t, 4>{'0', '0', '0', '2'}));
    EXPECT_TRUE(window.menu().action("NWorkPar")->isVisible());
    EXPECT_TRUE(window.menu().action("NContrDt")->isVisible());
    EXPECT_TRUE(window.menu().action("Nconnect")->isVisible());
    EXPECT_EQ(window.statusBars().text(StatusPanel::Address), "ГРС Северная");
    EXPECT_EQ(window.statusBars().text(StatusPanel::Subscriber), " Sim (IP-адр. 127.0.0.1)");
    EXPECT_TRUE(window.statusBars().text(StatusPanel::Exchange).isEmpty());
}

} // namespace
