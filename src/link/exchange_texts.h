#pragma once

#include <QString>
#include <QStringList>

// Outcome of one request to the controller, with the protocol's numbers; Done
// is success. The gaps are numbers the engine never produces.
enum class ExchangeStatus : int {
    Done = 0,
    BadStartSymbol = 1,        // the request frame does not begin with 0xCC
    BadFunctionCode = 2,       // a function code the protocol does not know, or a write too long for one frame
    WriteFailed = 3,           // the serial write failed
    AnswerIncomplete = 5,      // the answer stopped after its length byte (inter-byte time-out)
    PortUnavailable = 6,       // the serial port cannot be opened
    AnswerChecksum = 7,        // the answer's checksum is wrong
    ControllerError = 8,       // an error reply; the text is the controller's
    NoAnswer = 10,             // no start symbol and address within the answer time-out
    Aborted = 19,              // the abort flag was set
    EthernetSendFailed = 20,   // the TCP send failed or was short
    EthernetReceiveFailed = 21 // the TCP receive failed
};

// The protocol's number of a status (what "Команда выполнена" and the others are indexed by).
constexpr int exchangeStatusCode(ExchangeStatus status)
{
    return static_cast<int>(status);
}

// The text of a status. The port text holds "%d" for the port number; a
// controller error's own text comes from controllerErrorText().
QString exchangeStatusText(ExchangeStatus status);

// The controller's text for an error code it reports (1 to 64); other codes
// give "Код ошибки = N".
QString controllerErrorText(int code);
