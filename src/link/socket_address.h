#pragma once

#include "base/operator.h"

#include <QHostAddress>
#include <QString>
#include <cstdint>
#include <optional>

// Where a TCP connection goes: an address (IPv4, or IPv6 where given so) and a port.
struct SocketAddress {
    QHostAddress address;
    std::uint16_t port = 0;
};

// A dotted-decimal IPv4 address "a.b.c.d" (four decimal numbers 0 to 255) as a
// 32-bit number whose most significant byte is the first octet.
std::optional<std::uint32_t> parseDottedAddress(const QString& text);

// Turns a host (a dotted or IPv6 address needs no lookup; a name's IPv4 address
// is preferred to its IPv6 one; no host means any address) and a service (a
// decimal port needs no lookup) into a socket address. An unknown host or
// service is told to the operator ("неизвестный хост: %s", "неизвестный
// сервис: %s") and gives nothing.
std::optional<SocketAddress> resolveAddress(const std::optional<QString>& host, const QString& service,
                                            const QString& protocol, Operator& person);
