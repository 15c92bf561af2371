#pragma once

#include "app/app_state.h"
#include "forms/tformmain.h"
#include "sim/sim_server.h"
#include "support/temp_workdir.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

// Answers the modal dialogs as an operator would: confirms the Ethernet
// subscriber, gives the administrator's code, and leaves every other dialog
// with the button `leaveWith` names, recording each dialog's title.
class DialogDriver : public QObject {
public:
    DialogDriver();

    QStringList seen;
    QString leaveWith = QStringLiteral("Нет");
    // Answers a dialog before the rules above when it returns true.
    std::function<bool(QWidget& dialog)> answerFirst;
    // Runs once the user dialog is answered: what the operator does next.
    std::function<void()> afterUser;

private:
    void answer();

    QTimer timer_;
    // Cleared when the dialog is deleted: the next one may take its address.
    QPointer<QWidget> last_;
};

// The main window connected to a simulated controller through the real
// connection dialogs: over loopback TCP, answering after `turnaroundMs`, or
// through the simulated modem on a pseudo-terminal.
class ConnectedWindow {
public:
    enum class Line { Tcp, Modem };

    explicit ConnectedWindow(int turnaroundMs, Line line = Line::Tcp);

    // Starts the connection procedure; true once it has ended connected.
    bool connect();

    // Processes events until `done` holds (false when it never did).
    static bool runUntil(const std::function<bool()>& done);
    // Runs `action` once, as soon as the controller has received `count` requests
    // since the window connected: the engine is then waiting for the answer.
    void onRequest(int count, std::function<void()> action);
    int requestCount() { return server.requests().size() - connectRequests; }

    SimServer server;
    TempWorkdir dir;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TFormMain> window;
    DialogDriver driver;
    int connectRequests = 0;

private:
    QTimer watch_;
};
