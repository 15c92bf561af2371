#pragma once

#include "base/operator.h"
#include "link/request_frame.h"
#include "settings/link_record.h"

#include <cstdint>
#include <optional>

// Everything the caller decides about how the engine exchanges frames, as one
// value: the connection dialog, the TCP connect, the address search and the
// table effects build it and hand it to the engine at once
// (`hgcbox::setSettings`). Defaults are those the engine starts with.
struct ExchangeSettings {
    // 0 direct serial line, 1 serial line through a modem, 2 Ethernet (TCP).
    LinkKind linkKind = LinkKind::Direct;
    // Number of the serial port, 1 for the first ("COM1").
    std::uint8_t comPort = 1;
    // How long, in seconds, opening a busy port is retried; 0: one look, no attempt.
    std::int32_t portOpenWaitS = 1;
    // Open the serial port before each request and close it after.
    bool openPerRequest = true;
    // Controller address put into each request; 0xFF addresses any controller,
    // whose address the engine then learns from the answer.
    std::uint8_t address = 0;
    // Bit rate of the serial line, bits per second (the port clamps it to 110..256000).
    std::int32_t bitRate = 1200;
    // 0xFF bytes sent ahead of each request frame.
    std::uint8_t preambles = 0;
    // The operator's write password and identification code, carried by write-type requests.
    WriteCredentials credentials;
    // Longest gap between two answer bytes, milliseconds.
    std::int32_t interByteMs = 10;
    // Longest wait for the beginning of the answer, milliseconds.
    std::int32_t answerTimeoutMs = 2000;
    // Wait before each request over TCP, milliseconds.
    std::int32_t sendPauseMs = DefaultSendPauseMs;
    // Attempts of one request; 0 still sends it once.
    std::uint8_t attempts = 2;
    // Where "Обмен..." is shown while a request runs; nowhere when empty.
    std::optional<StatusPanel> statusPanel;

    bool operator==(const ExchangeSettings&) const = default;
};
