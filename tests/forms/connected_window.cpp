#include "connected_window.h"

#include "forms/tformconnect.h"
#include "forms/tformshortuspass.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>

namespace {

SimServerOptions simulatorOptions(int turnaroundMs, ConnectedWindow::Line line)
{
    SimServerOptions options;
    options.tcp = line == ConnectedWindow::Line::Tcp;
    options.pty = options.modem = line == ConnectedWindow::Line::Modem;
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
    if (answerFirst && answerFirst(*dialog))
        return;
    if (qobject_cast<TFormConnect*>(dialog)) {
        press(dialog, QStringLiteral("Связаться"));
    } else if (qobject_cast<TFormShortUsPass*>(dialog)) {
        dialog->findChild<QLineEdit*>(QStringLiteral("code"))->setText(QStringLiteral("0002"));
        dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText(QStringLiteral("222222"));
        press(dialog, QStringLiteral("Принять"));
        if (afterUser)
            QTimer::singleShot(0, this, afterUser);
    } else if (!press(dialog, leaveWith)) {
        ADD_FAILURE() << "no button " << leaveWith.toStdString() << " in " << dialog->windowTitle().toStdString();
        dialog->close();
    }
}

ConnectedWindow::ConnectedWindow(int turnaroundMs, Line line) : server(simulatorOptions(turnaroundMs, line))
{
    QString error;
    if (!server.start(&error)) {
        ADD_FAILURE() << error.toStdString();
        return;
    }
    if (line == Line::Tcp) {
        dir.write("INI/gqc.ini", "[CURR_PAR]\r\nConn_Prz=2\r\n");
        dir.write("INI/ethr_abonents.ini",
                  QStringLiteral("[ETHERNET_CONN_PAR]\r\nusers_num=1\r\n[ETHERNET_ABONENT_1]\r\n"
                                 "user_name=Sim\r\ncontr_adr=1\r\nip_adr=2130706433\r\nport=%1\r\n")
                      .arg(server.tcpPort())
                      .toLatin1());
    } else {
        dir.write("INI/gqc.ini", "[CURR_PAR]\r\nConn_Prz=1\r\n[COM_PORTS]\r\nCOM40=" + server.ptyPath().toUtf8() +
                                     "\r\n[FON_CONN_PAR]\r\nCOMPort=40\r\nRate=9600\r\nWaitTime=2\r\n"
                                     "ConnectWaitTime=5\r\n");
        dir.write("INI/fon_abonents.ini", "[FON_CONN_PAR]\r\nusers_num=1\r\n[FON_ABONENT_1]\r\n"
                                          "user_name=Sim\r\ncontr_adr=1\r\nfon_number=5551234\r\n");
    }
    state = std::make_unique<AppState>(WorkDirectory(dir.path()), QSize(1280, 1024), QDateTime::currentDateTime());
    window = std::make_unique<TFormMain>(*state);
    window->show();
}

bool ConnectedWindow::connect()
{
    window->startConnection();
    const bool connected =
        runUntil([this] { return !window->isVisible() || (state->connected && !window->commandRunning()); }) &&
        state->connected;
    connectRequests = server.requests().size();
    driver.seen.clear();
    return connected;
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
