#pragma once

#include "link/request_frame.h"

#include <cstdint>

// Collects one answer frame byte by byte. It searches for the start symbol,
// accepts the address the request expects (any address after a request to 0xFF,
// the new address after a write of the controller's own address), restarts the
// search on a length below the minimum and reports the frame complete once its
// announced length has arrived. No I/O: the engine feeds it what the link delivers.
class AnswerReceiver {
public:
    // `answer` receives the frame; the caller clears it. `address` is the
    // address the engine expects the answer from.
    AnswerReceiver(const FrameBuffer& request, FrameBuffer& answer, std::uint8_t address);

    // Takes the next byte; returns true once the frame is complete. Bytes fed
    // after that are ignored.
    bool feed(std::uint8_t byte);

    bool complete() const { return complete_; }
    // Number of frame bytes accepted so far.
    int position() const { return position_; }
    // The address expected from now on: learnt from the answer to a request sent to 0xFF.
    std::uint8_t address() const { return address_; }

private:
    bool acceptsAddress(std::uint8_t byte);

    const FrameBuffer& request_;
    FrameBuffer& answer_;
    std::uint8_t address_;
    int position_ = 0;
    bool complete_ = false;
};
