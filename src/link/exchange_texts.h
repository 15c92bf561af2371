#pragma once

#include <QString>
#include <QStringList>

// Status codes of one request to the controller; 0 is success. The gaps are
// codes the engine never produces.
namespace ExchangeStatus {
constexpr int Done = 0;
constexpr int BadStartSymbol = 1;
constexpr int BadFunctionCode = 2;
constexpr int WriteFailed = 3;
constexpr int AnswerIncomplete = 5;
constexpr int PortUnavailable = 6;
constexpr int AnswerChecksum = 7;
constexpr int ControllerError = 8;
constexpr int NoAnswer = 10;
constexpr int Aborted = 19;
constexpr int EthernetSendFailed = 20;
constexpr int EthernetReceiveFailed = 21;
constexpr int Count = 23;
} // namespace ExchangeStatus

// The text of each status code, indexed by the code (empty for unused codes).
// The port text holds "%d" for the port number.
QStringList exchangeStatusTexts();

// The texts of the error codes 1 to 64 a controller reports, at index code - 1.
QStringList controllerErrorTexts();

// The controller's text for an error code; codes outside 1..64 give "Код ошибки = N".
QString controllerErrorText(const QStringList& texts, int code);
