#pragma once

#include <cstdint>

// What a link kind knows about reaching the controller: PC port, controller
// address, line settings, attempts and time-outs. Stored in gqc.ini per link kind.
struct LinkRecord {
    std::uint8_t port = 1;           // "COM n"
    std::uint8_t address = 1;        // 255: any controller, learnt from its first answer
    std::int32_t bitRate = 38400;    // bit/s
    std::uint8_t preambles = 5;      // 0xFF bytes ahead of each request
    std::uint8_t attempts = 1;       // attempts per request
    std::int32_t interByteMs = 100;  // longest gap between answer bytes
    std::int32_t answerTimeoutS = 2; // longest wait for the answer to begin

    bool operator==(const LinkRecord&) const = default;
};

// How the PC reaches the controller; the values are those of "Conn_Prz".
enum class LinkKind : std::uint8_t { Direct = 0, Modem = 1, Ethernet = 2 };
