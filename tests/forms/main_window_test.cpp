#include "app/app_state.h"
#include "forms/main_status_bars.h"
#include "forms/tformmain.h"
#include "settings/link_panels.h"
#include "support/temp_workdir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QTest>

namespace {

class MainWindow : public ::testing::Test {
protected:
    AppState start() { return AppState(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime()); }

    TempWorkdir dir;
};

TEST_F(MainWindow, OpensWhereTheSettingsPlaceItWithTheMenuHidden)
{
    dir.write("INI/gqc.ini", "[CURR_PAR]\r\nForm_Width=900\r\nForm_Height=600\r\nForm_Left=20\r\nForm_Top=30\r\n");
    AppState state = start();
    TFormMain window(state);
    window.show();
    EXPECT_EQ(window.geometry(), QRect(20, 30, 900, 600));
    EXPECT_FALSE(window.menuBar()->isVisible());
}

TEST_F(MainWindow, LinkPanelsShowTheDirectLineAndTheOperatorWritesThePanels)
{
    dir.write("INI/gqc.ini", "[DIR_CONN_PAR]\r\nCOMPort=3\r\nRate=19200\r\nAdr=5\r\n");
    AppState state = start();
    TFormMain window(state);
    Operator& person = window.person();
    window.show();
    showLinkPanels(state.settings, person);
    EXPECT_EQ(window.statusBars().text(StatusPanel::Link), " COM3,   19200 бит/с");
    EXPECT_EQ(window.statusBars().text(StatusPanel::Address), " Адр. 5");

    person.setPanel(StatusPanel::Exchange, "Обмен...");
    EXPECT_EQ(window.statusBars().text(StatusPanel::Exchange), "Обмен...");
}

TEST_F(MainWindow, EscapeCountsOnlyWhileALongReadAllowsIt)
{
    AppState state = start();
    TFormMain window(state);
    Operator& person = window.person();
    window.show();

    QTest::keyClick(&window, Qt::Key_Escape);
    person.setEscapeAllowed(true);
    EXPECT_FALSE(person.takeEscape());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(person.takeEscape());
    EXPECT_FALSE(person.takeEscape()) << "taking the key clears it";
}

TEST_F(MainWindow, ProgressWindowDisablesTheMainWindowWhileShown)
{
    AppState state = start();
    TFormMain window(state);
    Operator& person = window.person();
    window.show();
    person.beginProgress(WaitMode::ReadingData, 10);
    EXPECT_FALSE(window.isEnabled());
    person.setProgress(4);
    person.endProgress();
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(MainWindow, ClosingSavesStateAndDeletesTheTemporaryFiles)
{
    AppState state = start();
    dir.write("datafile.hdm", "records");
    {
        TFormMain window(state);
        window.show();
        window.close();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("datafile.hdm")));
    EXPECT_EQ(dir.read("INI/rd_arh.ini").size(), 74);
}

} // namespace
