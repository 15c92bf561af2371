#include "connected_window.h"
#include "forms/main_menu_bar.h"
#include "forms/tformmom.h"
#include "forms/tformprz.h"
#include "forms/tformtableinfo.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <utility>

namespace {

const QString StateTitle = QStringLiteral("Текущее состояние контроллера");
const QString TableStatesTitle = QStringLiteral("Состояние таблиц параметров конфигурации");
const QString ChromDataTitle = QStringLiteral("Мгновенные данные хроматографа, зоны параметров газа");
constexpr std::uint8_t ReadFunction = 1;
constexpr int RequestFunction = 3;
constexpr int RequestTable = 5;

// The tables read since the window connected, in order.
QList<int> tablesRead(ConnectedWindow& connected)
{
    QList<int> tables;
    const QList<QByteArray> frames = connected.server.requests();
    for (qsizetype i = connected.connectRequests; i < frames.size(); ++i)
        if (static_cast<std::uint8_t>(frames[i][RequestFunction]) == ReadFunction)
            tables << static_cast<std::uint8_t>(frames[i][RequestTable]);
    return tables;
}

QString cellText(QWidget& window, const QString& name)
{
    auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

QColor cellColour(QWidget& window, const QString& name)
{
    return window.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
}

// Clicks once the current event has been handled, so that a dialog the click
// opens is answered by the driver too.
void clickLater(QWidget& window, const QString& name)
{
    auto* button = window.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    QTimer::singleShot(0, button, [button] { button->click(); });
}

void clickLaterByText(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text) {
            QTimer::singleShot(0, button, [button] { button->click(); });
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
}

// A command's modal windows run inside trigger(): what a test checks in them
// runs from here, once `ready` holds. A bound for a broken build only: after
// it the windows are closed and the test fails.
class WhenReady {
public:
    WhenReady(std::function<bool()> ready, std::function<void()> action)
    {
        bound_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this, ready, action] {
            if (ready()) {
                timer_.stop();
                action();
            } else if (bound_.hasExpired(30000)) {
                timer_.stop();
                ADD_FAILURE() << "never ready";
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
    QElapsedTimer bound_;
};

bool noTimerRuns(QWidget& window)
{
    for (QTimer* timer : window.findChildren<QTimer*>())
        if (timer->isActive())
            return false;
    return true;
}

QByteArray zones(std::initializer_list<std::pair<int, char>> codes)
{
    QByteArray table(20, '\0');
    for (const auto& [slot, code] : codes)
        table[slot] = code;
    return table;
}

void trigger(ConnectedWindow& connected, const char* item)
{
    connected.window->menu().action(QString::fromLatin1(item))->trigger();
}

bool commandOver(ConnectedWindow& connected)
{
    return ConnectedWindow::runUntil([&] { return !connected.window->commandRunning(); });
}

} // namespace

TEST(CurrentDataWindows, AnUnknownZoneCodeShowsAQuestionMarkInGreenAndSlots15And16ShowNoZone)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    connected.server.holdTable(32, zones({{3, 7}, {4, 3}, {15, 4}, {16, 1}}));
    QPointer<TFormMom> window;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        window = qobject_cast<TFormMom*>(&dialog);
        return window != nullptr;
    };
    QStringList zoneTexts;
    QList<QColor> zoneColours;
    QString value;
    WhenReady check([&] { return window && !cellText(*window, "zone0").isEmpty(); },
                    [&] {
                        for (const int slot : {0, 3, 4, 15, 16}) {
                            zoneTexts << cellText(*window, QStringLiteral("zone%1").arg(slot));
                            zoneColours << cellColour(*window, QStringLiteral("zone%1").arg(slot));
                        }
                        value = cellText(*window, "value8");
                        clickLaterByText(*window, QStringLiteral("Выход"));
                    });
    trigger(connected, "NChrom_MomData");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_EQ(zoneTexts, (QStringList{" Норма", "?", " Нижняя аварийная зона", "", ""}));
    EXPECT_EQ(zoneColours.value(1), QColor(0, 0x80, 0));
    EXPECT_EQ(zoneColours.value(2), QColor(Qt::red));
    EXPECT_FALSE(value.isEmpty());
    EXPECT_EQ(tablesRead(connected).mid(0, 3), (QList<int>{33, 30, 32}));
}

TEST(CurrentDataWindows, TheToggleDuringAReadStillShowsThatReadAndNoTickFollows)
{
    ConnectedWindow connected(150);
    ASSERT_TRUE(connected.connect());
    QPointer<TFormMom> window;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        window = qobject_cast<TFormMom*>(&dialog);
        return window != nullptr;
    };
    // Request 1 is the link, request 2 the first tick's analysis.
    connected.onRequest(2, [&] { window->findChild<QPushButton*>("toggle")->click(); });
    QString value, zone, toggle;
    QList<int> readWhileOpen;
    WhenReady check([&] { return window && !cellText(*window, "time").isEmpty() && noTimerRuns(*window); },
                    [&] {
                        value = cellText(*window, "value0");
                        zone = cellText(*window, "zone0");
                        toggle = window->findChild<QPushButton*>("toggle")->text();
                        readWhileOpen = tablesRead(connected);
                        clickLaterByText(*window, QStringLiteral("Выход"));
                    });
    trigger(connected, "NChrom_MomData");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_FALSE(value.isEmpty()) << "the read under way is shown";
    EXPECT_EQ(zone, "") << "the zones are not read after the toggle";
    EXPECT_EQ(toggle, "Обновлять данные");
    EXPECT_EQ(readWhileOpen, (QList<int>{33, 30}));
    EXPECT_EQ(tablesRead(connected), (QList<int>{33, 30}));
}

TEST(CurrentDataWindows, LeavingDuringAReadClosesTheWindowOnceTheReadIsOver)
{
    ConnectedWindow connected(150);
    ASSERT_TRUE(connected.connect());
    QPointer<TFormMom> window;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        window = qobject_cast<TFormMom*>(&dialog);
        return window != nullptr;
    };
    bool closedAtOnce = true;
    connected.onRequest(2, [&] {
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Выход"))
                button->click();
        closedAtOnce = !window->isVisible();
    });
    trigger(connected, "NChrom_MomData");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(tablesRead(connected), (QList<int>{33, 30}));
    EXPECT_EQ(connected.state->engine.status(), ExchangeStatus::Done) << "the read ran to its end";
}

TEST(CurrentDataWindows, WithoutALinkTheOperatorIsToldAndNoWindowOpens)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    connected.server.holdTable(33, QByteArray("\0\1", 2));
    connected.driver.leaveWith = QStringLiteral("OK");
    trigger(connected, "NChrom_MomData");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_EQ(connected.driver.seen, QStringList{QString()}) << connected.driver.seen.join('|').toStdString();
    EXPECT_EQ(tablesRead(connected), QList<int>{33});
}

TEST(ControllerStateWindow, AllFlagsClearAndBothLinksPresentShowNormaEverywhere)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    ASSERT_NE(connected.state->moistureMeter, 0);
    QByteArray flags(18, '\0');
    flags.replace(0, 6, QByteArray("\x1a\x03\x0f\x0a\x05\x07", 6));
    connected.server.holdTable(16, flags);
    connected.server.holdTable(33, QByteArray("\1\1", 2));
    QPointer<TFormPrz> window;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        window = qobject_cast<TFormPrz*>(&dialog);
        return window != nullptr;
    };
    QStringList texts;
    QList<QColor> colours;
    QString changeTime;
    WhenReady check([&] { return window && !cellText(*window, "link1").isEmpty(); },
                    [&] {
                        changeTime = cellText(*window, "changeTime");
                        for (const char* cell : {"flag6", "flag7", "flag8", "flag9", "flag10", "link0", "link1"}) {
                            texts << cellText(*window, cell);
                            colours << cellColour(*window, cell);
                        }
                        clickLater(*window, "exit");
                    });
    trigger(connected, "NSit");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_EQ(changeTime, "15.03.26  10:05:07");
    EXPECT_EQ(texts, QStringList(7, QStringLiteral("Норма")));
    EXPECT_EQ(colours, QList<QColor>(7, QColor(Qt::black)));
    EXPECT_EQ(connected.driver.seen, QStringList{StateTitle});
}

TEST(ControllerStateWindow, LeavingTheTableStatesBringsTheStateWindowBack)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    int stateWindows = 0;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        if (qobject_cast<TFormPrz*>(&dialog)) {
            clickLater(dialog, ++stateWindows == 1 ? "selfDiagnostics" : "exit");
            return true;
        }
        if (qobject_cast<TFormTableInfo*>(&dialog)) {
            clickLaterByText(dialog, QStringLiteral("Выход"));
            return true;
        }
        return false;
    };
    trigger(connected, "NSit");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_EQ(connected.driver.seen, (QStringList{StateTitle, TableStatesTitle, StateTitle}));
    EXPECT_TRUE(tablesRead(connected).contains(7));
    EXPECT_TRUE(connected.state->connected);
}

TEST(ControllerStateWindow, AfterAResetTheProgramIsDisconnected)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    // "Да" to the reset question only: a retry question is answered "Нет".
    connected.driver.leaveWith = QStringLiteral("Нет");
    // The table window is the active one again while the reset runs; a click
    // made from here would pass by the busy rule, which holds the operator's
    // input only, so it is clicked once.
    bool resetClicked = false;
    connected.driver.answerFirst = [&](QWidget& dialog) {
        if (qobject_cast<TFormPrz*>(&dialog)) {
            clickLater(dialog, "selfDiagnostics");
            return true;
        }
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == TableInfo::resetQuestionLine1()) {
                clickLaterByText(dialog, QStringLiteral("Да"));
                return true;
            }
        if (qobject_cast<TFormTableInfo*>(&dialog)) {
            if (!std::exchange(resetClicked, true))
                clickLaterByText(dialog, QStringLiteral("Сбросить энергонезависимые данные"));
            return true;
        }
        return false;
    };
    trigger(connected, "NSit");
    ASSERT_TRUE(commandOver(connected));

    EXPECT_EQ(connected.driver.seen.mid(0, 2), (QStringList{StateTitle, TableStatesTitle}));
    EXPECT_FALSE(connected.state->connected);
    EXPECT_FALSE(connected.window->menu().action("NContrDt")->isVisible());
    EXPECT_FALSE(connected.window->menu().action("NSit")->isVisible());
}

TEST(ControllerStateWindow, AFlowComputerCountOutsideOneToSixteenIsAFailedRead)
{
    ConnectedWindow connected(0);
    ASSERT_TRUE(connected.connect());
    const QByteArray port = connected.server.table(9);
    const QList<char> counts = {'\0', '\x11'};
    int visits = 0;
    connected.driver.leaveWith = QStringLiteral("OK");
    connected.driver.answerFirst = [&](QWidget& dialog) {
        if (!qobject_cast<TFormPrz*>(&dialog))
            return false;
        if (visits < counts.size()) {
            connected.server.holdTable(9, QByteArray(port).replace(0, 1, QByteArray(1, counts[visits])));
            clickLater(dialog, "flowComputers");
        } else {
            clickLater(dialog, "exit");
        }
        ++visits;
        return true;
    };
    trigger(connected, "NSit");
    ASSERT_TRUE(commandOver(connected));

    const QString error = QStringLiteral("Ошибка");
    EXPECT_EQ(connected.driver.seen, (QStringList{StateTitle, error, StateTitle, error, StateTitle}));
    const QList<int> read = tablesRead(connected);
    EXPECT_EQ(read.count(9), 2);
    EXPECT_FALSE(read.contains(18) || read.contains(34) || read.contains(35));
}
