#pragma once

#include <QString>
#include <variant>

// The controller's TCP server as --tcp names it: "HOST:PORT", HOST a name, a
// dotted IPv4 address or an IPv6 address in brackets ("[::1]:502"), PORT a
// number from 1 to 65535 or a service name.
struct TcpEndpoint {
    QString host; // an IPv6 address without its brackets
    QString service;
};

// The endpoint, or what is wrong with the text.
std::variant<TcpEndpoint, QString> parseTcpEndpoint(const QString& text);
