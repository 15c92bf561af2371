#pragma once

#include <cstdint>
#include <limits>

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

// The engine waits for an answer in milliseconds held in 32 bits; a longer
// answer time-out would wrap round to a negative wait and fail every request at once.
constexpr std::int32_t MsPerSecond = 1000;
constexpr std::int32_t MaxAnswerTimeoutS = std::numeric_limits<std::int32_t>::max() / MsPerSecond;

// The wait before each request over TCP ("Send_Pause_ms"), milliseconds.
constexpr std::int32_t DefaultSendPauseMs = 500;
constexpr std::int32_t MaxSendPauseMs = 5000;

// How the PC reaches the controller; the values are those of "Conn_Prz".
enum class LinkKind : std::uint8_t { Direct = 0, Modem = 1, Ethernet = 2 };
