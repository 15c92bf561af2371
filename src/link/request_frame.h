#pragma once

#include <QByteArrayView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// Request and answer frames are at most 255 bytes (the length is one byte); the
// engine keeps each in a 256-byte buffer.
using FrameBuffer = std::array<std::uint8_t, 256>;

namespace FrameByte {
constexpr std::uint8_t RequestStart = 0xCC;
constexpr std::uint8_t AnswerStart = 0x33;
constexpr std::uint8_t Preamble = 0xFF;
constexpr std::uint8_t AnyAddress = 0xFF; // any controller answers; its address is learnt
constexpr std::uint8_t AnswerFlag = 0x80; // set in the function code of a successful answer
constexpr int MaxLength = 255;
constexpr int MinAnswerLength = 6; // start, address, length, code, two checksum bytes
constexpr int ChecksumLength = 2;
} // namespace FrameByte

// Offsets of a write request (code 2) and of every answer.
namespace FrameOffset {
constexpr int Address = 1;
constexpr int Length = 2;
constexpr int Function = 3;
constexpr int Body = 4;
constexpr int WriteTable = 21;      // table number of a write request
constexpr int WriteFirstField = 22; // first field of a write request
constexpr int WriteFirstValue = 24; // first field value of a write request
constexpr int ErrorCode = 4;        // controller's error code in an error reply
constexpr int DestroyedTable = 6;   // destroyed table's number after error code 60
constexpr int FieldValues = 8;      // read field values in an answer to code 1
} // namespace FrameOffset

// N blanks: an empty password or user code.
template <std::size_t N> constexpr std::array<std::uint8_t, N> blankBytes()
{
    std::array<std::uint8_t, N> bytes{};
    bytes.fill(' ');
    return bytes;
}

// The operator's write credentials carried by write-type requests; blank until
// the operator identifies himself.
struct WriteCredentials {
    std::array<std::uint8_t, 12> password = blankBytes<12>();
    std::array<std::uint8_t, 4> userCode = blankBytes<4>();

    bool operator==(const WriteCredentials&) const = default;
};

// Lays out the request frame for `function`: start symbol, address, length,
// code, body and checksum. Fixed-length bodies take that many bytes of `data`
// (zeros where the caller gave fewer). Returns the frame length, or nothing for
// a function code outside the protocol or a write too long for one frame.
// The whole buffer is cleared first.
std::optional<int> buildRequestFrame(FrameBuffer& frame, std::uint8_t address, std::uint8_t function,
                                     QByteArrayView data, std::uint8_t value, const WriteCredentials& credentials);
