#pragma once

#include <QByteArray>
#include <cstdint>

// One answer of the simulated controller, without its frame: either the bytes
// between the function code and the checksum (A[4] .. A[M-3]) or an error code.
struct SimReply {
    bool error = false;
    std::uint8_t errorCode = 0;
    QByteArray body;

    static SimReply failure(std::uint8_t code) { return {true, code, {}}; }
    static SimReply success(const QByteArray& body) { return {false, 0, body}; }
};
