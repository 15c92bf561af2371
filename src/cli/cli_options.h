#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// What gqc_cli was asked to do. Link options left out take the defaults of the
// link's section of gqc.ini.
struct CliOptions {
    enum class Command { Identify, Read, Write, ReadConfig, Reset, Clock, SyncClock };

    QString workdir; // empty: the program's usual working directory
    QString trace;   // --trace FILE: every frame sent and received is appended to FILE
    bool tcp = false;
    QString host; // --tcp HOST:PORT
    QString service;
    QString port; // --serial COMn or a device path

    // --phone: the controller is dialled through the modem on the serial port.
    // Left out, the modem items take "Command", "Conn_Repeat" and
    // "ConnectWaitTime" of the telephone section of gqc.ini.
    std::optional<QString> phone;
    std::optional<QString> modemInit;
    std::optional<int> dialAttempts;
    std::optional<int> connectWaitS;

    std::optional<int> address;
    std::optional<int> baud;
    std::optional<int> preambles;
    std::optional<int> attempts;
    std::optional<int> interByteMs;
    std::optional<int> answerTimeoutS;
    std::optional<QByteArray> userCode; // Windows-1251 bytes, at most 4
    std::optional<QByteArray> password; // Windows-1251 bytes, at most 12
    bool confirmed = false;             // --yes: what cannot be undone may be done

    Command command = Command::Identify;
    int table = 0;
    int first = 0;
    int count = 0;     // read
    QByteArray values; // write
};

// The command line without the program name; a usage error explains itself.
std::variant<CliOptions, QString> parseCliOptions(const QStringList& arguments);

extern const char* const CliUsage;
