#include "connected_window.h"

#include "forms/tformconnect.h"
#include "forms/tformshortuspass.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>

namespace {

SimServerOptions simulatorOptions(int turnaroundMs)
{
    SimServerOptions options;
    options.tcp = true;
    options.turnaroundMs = turnaroundMs;
    return options;
}

bool press(QWidget* dialog, const QString& text)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text) {
            button->click();
            return true;
        }
    return false;
}

} // namespace

DialogDriver::DialogDriver()
{
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::answer);
    timer_.start(20);
}

void DialogDriver::answer()
{
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || dialog == last_)
        return;
    last_ = dialog;
    seen << dialog->windowTitle();
    if (qobject_cast<TFormConnect*>(dialog)) {
        press(dialog, QStringLiteral("Связаться"));
    } else if (qobject_cast<TFormShortUsPass*>(dialog)) {
        dialog->findChild<QLineEdit*>(QStringLiteral("code"))->setText(QStringLiteral("0002"));
        dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText(QStringLiteral("222222"));
        press(dialog, QStringLiteral("Принять"));
    } else if (!press(dialog, leaveWith)) {
        ADD_FAILURE() << "no button " << leaveWith.toStdString() << " in " << dialog->windowTitle().toStdString();
        dialog->close();
    }
}

ConnectedWindow::ConnectedWindow(int turnaroundMs) : server(simulatorOptions(turnaroundMs))
{
    QString error;
    if (!server.start(&error)) {
        ADD_FAILURE() << error.toStdString();
        return;
    }
    dir.write("INI/gqc.ini", "[CURR_PAR]\r\nConn_Prz=2\r\n");
    dir.write("INI/ethr_abonents.ini",
              QStringLiteral("[ETHERNET_CONN_PAR]\r\nusers_num=1\r\n[ETHERNET_ABONENT_1]\r\n"
                             "user_name=Sim\r\ncontr_adr=1\r\nip_adr=2130706433\r\nport=%1\r\n")
                  .arg(server.tcpPort())
                  .toLatin1());
    state = std::make_unique<AppState>(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    window = std::make_unique<TFormMain>(*state);
    window->show();
    window->startConnection();
    if (!runUntil([this] { return state->connected && !window->commandRunning(); }))
        ADD_FAILURE() << "the window did not connect";
    connectRequests = server.requests().size();
    driver.seen.clear();
}

bool ConnectedWindow::runUntil(const std::function<bool()>& done)
{
    // A bound for a broken build only; every wait ends on its condition.
    const QDeadlineTimer bound(30000);
    while (!done()) {
        if (bound.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void ConnectedWindow::onRequest(int count, std::function<void()> action)
{
    QObject::disconnect(&watch_, nullptr, nullptr, nullptr);
    QObject::connect(&watch_, &QTimer::timeout, [this, count, action] {
        if (requestCount() < count)
            return;
        watch_.stop();
        action();
    });
    watch_.start(5);
}
