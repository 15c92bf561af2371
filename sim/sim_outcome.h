#pragma once

#include <QByteArray>
#include <cstdint>

// What the controller makes of one request before it is framed: a body (A[4] .. A[M-3])
// or an error code, with the destroyed table that an error 60 names.
struct SimOutcome {
    std::uint8_t error = 0;
    std::uint8_t destroyedTable = 0;
    QByteArray body;

    static SimOutcome failure(std::uint8_t code, std::uint8_t table = 0) { return {code, table, {}}; }
    static SimOutcome success(const QByteArray& body) { return {0, 0, body}; }
};
