#pragma once

#include <QByteArrayView>
#include <QString>

// Outcomes of talking to the modem; 0 is a connection. The connection start
// shows the text of a failed dialling with the retry question.
namespace DialResult {
constexpr int Connected = 0;
constexpr int NoExchangeSignal = 1; // NO DIALTONE
constexpr int Busy = 2;
constexpr int CarrierLost = 3; // NO CARRIER
constexpr int NoLineTone = 4;  // ERROR
constexpr int NoAnswer = 5;
constexpr int TimeLimit = 6;
constexpr int NoModem = 7;      // nothing answered the escape sequence
constexpr int NotConnected = 8; // no OK to a command, no CONNECT to the dial
constexpr int ModemTimeout = 9; // no complete reply line in time
constexpr int Interrupted = 10; // the operator pressed Escape
constexpr int GsmNotReady = 11;
constexpr int Count = 12;
} // namespace DialResult

// The text of a result code; empty for a code outside 0..11.
QString dialResultText(int code);

// What a modem reply line reports: the first of the known result words it
// holds, 0 when none (the caller looks for OK or CONNECT itself).
int classifyModemReply(QByteArrayView reply);

// The placeholder reply of a wait the operator broke off with Escape.
inline constexpr QByteArrayView EscapeReply = "Escape...";
