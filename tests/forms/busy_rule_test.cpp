#include "connected_window.h"
#include "forms/main_menu_bar.h"
#include "forms/modem_panel.h"
#include "forms/qt_operator.h"
#include "forms/tformwait.h"
#include "sim/sim_fault.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString DateTimeTitle = QStringLiteral("Текущие дата и время");

// The controller does not hear the next request: the engine waits out its time-out.
QList<SimFault> nextRequestUnheard()
{
    SimFault silence;
    silence.match = SimFault::Match::RequestNumber;
    silence.key = 1;
    silence.kind = SimFault::Kind::Silence;
    return {silence};
}

// Counts the events of one kind that reach an object.
class EventSpy : public QObject {
public:
    EventSpy(QObject& watched, QEvent::Type type) : type_(type) { watched.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

bool closed(ConnectedWindow& connected)
{
    return !connected.window->isVisible() && !connected.window->commandRunning();
}

} // namespace

TEST(BusyRule, CommandsAskedForDuringAnExchangeDoNotStart)
{
    ConnectedWindow connected(150);
    ASSERT_TRUE(connected.connect());
    connected.driver.leaveWith = QStringLiteral("Выход");
    QAction* dateAndTime = connected.window->menu().action(QStringLiteral("NContrDt"));
    QAction* otherDevice = connected.window->menu().action(QStringLiteral("Nconnect"));
    connected.onRequest(1, [&] {
        dateAndTime->trigger();
        otherDevice->trigger();
    });
    dateAndTime->trigger();

    ASSERT_TRUE(ConnectedWindow::runUntil([&] { return !connected.window->commandRunning(); }));
    // Tables 7, 6 and 2, each once, and the date window once: nothing nested,
    // and no new connection.
    EXPECT_EQ(connected.requestCount(), 3);
    EXPECT_EQ(connected.driver.seen, QStringList{DateTimeTitle});
    EXPECT_TRUE(connected.state->connected);
}

TEST(BusyRule, ClicksAndKeysDuringAWaitAreDroppedNotDelivered)
{
    ConnectedWindow connected(150);
    ASSERT_TRUE(connected.connect());
    connected.driver.leaveWith = QStringLiteral("Выход");
    QAction* dateAndTime = connected.window->menu().action(QStringLiteral("NContrDt"));
    EventSpy keys(*connected.window, QEvent::KeyPress);
    EventSpy clicks(*connected.window->menuBar(), QEvent::MouseButtonPress);
    connected.onRequest(1, [&] {
        // Posted, as the window system queues what a person does.
        QCoreApplication::postEvent(connected.window.get(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
        QCoreApplication::postEvent(connected.window->menuBar(),
                                    new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    });
    dateAndTime->trigger();

    ASSERT_TRUE(ConnectedWindow::runUntil([&] { return !connected.window->commandRunning(); }));
    EXPECT_EQ(connected.driver.seen, QStringList{DateTimeTitle});
    QApplication::processEvents();
    EXPECT_EQ(keys.count, 0);
    EXPECT_EQ(clicks.count, 0);
}

TEST(BusyRule, ACloseDuringAnExchangeEndsTheCommandThenSavesAndCloses)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    // A setting changed before the close must reach gqc.ini once the command is over.
    connected.state->settings.gqcIni.ethernet.connectWaitS = 33;
    connected.server.setFaults(nextRequestUnheard());
    QAction* dateAndTime = connected.window->menu().action(QStringLiteral("NContrDt"));
    bool closedAtOnce = true;
    connected.onRequest(1, [&] { closedAtOnce = connected.window->close(); });
    dateAndTime->trigger();

    ASSERT_TRUE(ConnectedWindow::runUntil([&] { return closed(connected); }));
    EXPECT_FALSE(closedAtOnce) << "the window waited for the command";
    // The unheard read was given up at once: no retry question, no second request.
    EXPECT_TRUE(connected.driver.seen.isEmpty()) << connected.driver.seen.join('|').toStdString();
    EXPECT_EQ(connected.requestCount(), 1);
    EXPECT_EQ(connected.state->engine.status(), ExchangeStatus::Aborted);
    EXPECT_FALSE(connected.state->engine.linkOpen());
    QFile ini(connected.dir.path() + QStringLiteral("/INI/gqc.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("ConnectWaitTime=33"));
}

TEST(BusyRule, AfterAnInterruptedCommandTheNextOneAsksAgain)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    connected.server.setFaults(nextRequestUnheard());
    auto& person = static_cast<QtOperator&>(connected.window->person());
    connected.onRequest(1, [&] { person.interrupt([&] { connected.state->engine.requestAbort(); }); });
    connected.window->menu().action(QStringLiteral("NContrDt"))->trigger();
    ASSERT_TRUE(ConnectedWindow::runUntil([&] { return !connected.window->commandRunning(); }));
    EXPECT_TRUE(person.takeEscape());
    person.endInterrupt();
    EXPECT_FALSE(person.takeEscape());
}

TEST(BusyRule, ACloseWhileTheModemDialsEndsTheDialThenCloses)
{
    ConnectedWindow connected(0, ConnectedWindow::Line::Modem);
    bool closedAtOnce = true;
    connected.driver.afterUser = [&] { closedAtOnce = connected.window->close(); };
    EXPECT_FALSE(connected.connect());
    ASSERT_TRUE(ConnectedWindow::runUntil([&] { return closed(connected); }));
    EXPECT_FALSE(closedAtOnce);
    EXPECT_FALSE(connected.state->modemConnected);
    EXPECT_FALSE(connected.state->engine.linkOpen());
}

TEST(BusyRule, ASecondClickOnHangUpDuringTheHangUpIsDropped)
{
    ConnectedWindow connected(0, ConnectedWindow::Line::Modem);
    ASSERT_TRUE(connected.connect());
    ASSERT_TRUE(connected.state->modemConnected);
    auto* hangUp = connected.window->modemPanel().findChild<QPushButton*>();
    ASSERT_NE(hangUp, nullptr);
    int clicks = 0;
    QObject::connect(&connected.window->modemPanel(), &ModemPanel::disconnectRequested, [&] { ++clicks; });
    QTimer::singleShot(0, hangUp, [&] { QTest::mouseClick(hangUp, Qt::LeftButton); });
    QTest::mouseClick(hangUp, Qt::LeftButton);

    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(connected.state->modemConnected);
    EXPECT_FALSE(connected.state->connected);
    EXPECT_TRUE(connected.window->isVisible());
}

TEST(BusyRule, ASecondClickOnAButtonWhoseExchangeRunsIsDropped)
{
    TempWorkdir dir;
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    Operator& person = window.person();
    QDialog dialog(&window);
    auto* search = new QPushButton(QStringLiteral("Поиск"), &dialog);
    dialog.show();
    int started = 0;
    QObject::connect(search, &QPushButton::clicked, [&] {
        ++started;
        // The second click lands while the exchange waits, as a double click does.
        QTimer::singleShot(0, search, [search] { QTest::mouseDClick(search, Qt::LeftButton); });
        for (int turn = 0; turn < 5; ++turn)
            person.pump();
    });
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(started, 1);
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(started, 2) << "once the wait is over the button works again";
}

TEST(BusyRule, EscapeLeavesTheProgressWindowToTheTransfer)
{
    TempWorkdir dir;
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    Operator& person = window.person();
    person.setEscapeAllowed(true);
    person.beginProgress(WaitMode::ReadingConfiguration, 10);
    auto* wait = window.findChild<TFormWait*>();
    ASSERT_NE(wait, nullptr);
    QTest::keyClick(wait, Qt::Key_Escape);
    wait->close();
    EXPECT_TRUE(wait->isVisible());
    EXPECT_TRUE(person.takeEscape());
    person.endProgress();
    EXPECT_TRUE(window.isEnabled());
}

TEST(BusyRule, TheFullBarStaysInViewWithTheWindowStillBusy)
{
    TempWorkdir dir;
    AppState state(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    TFormMain window(state);
    window.show();
    Operator& person = window.person();
    person.beginProgress(WaitMode::ReadingConfiguration, 10);
    person.setProgress(10);
    auto* wait = window.findChild<TFormWait*>();
    ASSERT_NE(wait, nullptr);
    // Looked at while the full bar is shown.
    int looks = 0;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(wait->isVisible());
        EXPECT_EQ(wait->position(), 10);
        EXPECT_FALSE(window.isEnabled()) << "no command can start meanwhile";
        ++looks;
    });
    person.showProgressComplete();
    EXPECT_EQ(looks, 1) << "the window went on processing its events while the bar was shown";
    EXPECT_TRUE(wait->isVisible()) << "the transfer closes the window, not the pause";
    person.endProgress();
    EXPECT_TRUE(window.isEnabled());
}
