#pragma once

#include "link/request_frame.h"
#include "support/fuzz_input.h"
#include "tables/field_range.h"

#include <QByteArray>
#include <cstdint>

// The request an answer arrives for, chosen by an input's first three bytes.
// Byte 0: the request (its value mod 3): a read of the identification fields
// (table 0, fields 0 to 17), a write of the controller's own address (table 3,
// field 0, answered from the new address) or a write of the controller name
// (table 5); and the attempts (1 + byte 0 / 3 mod 2). Byte 1: the address it
// goes to (0xFF: any controller). Byte 2: the new address a write of table 3
// carries.
struct RequestChoice {
    enum class Kind { Read, WriteOwnAddress, WriteName };

    Kind kind = Kind::Read;
    std::uint8_t attempts = 1;
    std::uint8_t address = 0;
    std::uint8_t newAddress = 0;

    static RequestChoice take(FuzzInput& input);

    std::uint8_t function() const;
    FieldRange range() const;
    // The field values a write sends; empty for the read.
    QByteArray writtenFields() const;
    // The request frame as the engine lays it out, with blank credentials.
    FrameBuffer frame() const;
    // Whether the engine may take an answer from `answerAddress` for this request.
    bool acceptsAnswerFrom(std::uint8_t answerAddress) const;
};
