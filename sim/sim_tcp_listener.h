#pragma once

#include <QObject>
#include <QTcpServer>

class SimController;

// The controller's TCP side: every accepted connection is a line of its own.
class SimTcpListener : public QObject {
    Q_OBJECT
public:
    SimTcpListener(SimController& controller, int turnaroundMs, bool pace, QObject* parent = nullptr);

    bool listen(const QString& host, quint16 port, QString* error);
    quint16 port() const { return server_.serverPort(); }
    QString host() const { return server_.serverAddress().toString(); }

private:
    void accept();

    SimController& controller_;
    int turnaroundMs_;
    bool pace_;
    QTcpServer server_;
};
