#pragma once

#include "base/operator.h"
#include "link/transport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// How long the dialler waits for what. The defaults are the modem dialogue's;
// tests shorten them.
struct ModemTimings {
    int wakeUpReplyMs = 5000; // reply to each command of the wake-up
    int escapeGuardMs = 1200; // silence before "+++" and before the command after it
    int gsmReplyMs = 5000;    // each reply line of the GSM check
    int beforeDialMs = 2000;  // after the wake-up, before the first initialisation command
    int afterCommandMs = 200; // after each initialisation command, and after CONNECT
    int hangUpGuardMs = 1000; // silence before the hang-up's "+++"
    int hangUpReplyMs = 2000; // reply to each command of the hang-up
};

// The result of one modem command: a result code of DialResult (0 when the
// reply holds none of the failure words) and the reply line, from its first
// CR or LF on; "Escape..." when the operator broke the wait off.
struct ModemReply {
    int result = 0;
    QByteArray text;
};

// Dials the controller's modem over the port the engine holds, which stays in
// the engine's hands: once connected, the engine exchanges frames through it
// without touching RTS. Every wait for a modem byte pumps the operator's user
// interface and ends with result 10 when the operator presses Escape; the
// fixed pauses do not pump. Progress goes to `panel` when one is given.
class ModemDialler {
public:
    ModemDialler(Transport& port, Operator& person, std::optional<StatusPanel> panel, ModemTimings timings = {});

    // Sends `command` as it is (the caller adds CR where the modem needs one)
    // and reads one reply line within `timeoutMs`; result 9 when none comes.
    ModemReply modemCommand(const QByteArray& command, int timeoutMs);

    // Brings the modem to command mode with echo off and verbal result codes;
    // 7 when nothing answers the escape sequence, 0 when the modem answered.
    int modemWakeUp();

    // True when a GSM modem reports itself ready ("+CPAS: 0", then "OK").
    bool checkGsmReady();

    // Wakes the modem up and dials `number` (blanks, "-", "(" and ")" dropped)
    // up to `attempts` times, each time after the initialisation commands of
    // `initialisation` ("AT..." commands joined by "^") and the GSM check,
    // waiting `connectWaitS` seconds for each reply. 0 once connected, else
    // the last attempt's result; Escape and an unready GSM modem end it at once.
    int Dial(const QString& number, const QString& initialisation, int attempts, int connectWaitS);

    // Brings a connected modem back to command mode and hangs up; the replies
    // are not examined.
    void hangUp();

private:
    enum class Shown { OnPanel, Quietly };
    class EscapeWindow;

    ModemReply runCommand(const QByteArray& command, int timeoutMs, Shown shown);
    // Reads one reply line within `timeoutMs`: result 0, 9 or 10.
    ModemReply readReply(int timeoutMs);
    // 0 ready, 11 not ready, 10 interrupted.
    int gsmReadiness();
    // One dialling attempt; 0 once connected.
    int attempt(const QList<QByteArray>& initialisation, const QByteArray& dial, int timeoutMs);
    void show(const QString& text);
    void pump();

    Transport& port_;
    Operator& person_;
    std::optional<StatusPanel> panel_;
    ModemTimings timings_;
    int escapeDepth_ = 0;
};
