#include "link/request_frame.h"

#include "crc/crc16.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int CredentialsLength = 16; // 12 bytes of password, 4 of user code
constexpr int FrameOverhead = 6;      // start, address, length, code and two checksum bytes
constexpr int MaxWriteData = FrameByte::MaxLength - FrameOverhead - CredentialsLength - 1;

// How a function code's body is laid out after the code byte.
struct BodyLayout {
    bool credentials = false; // the 16 credential bytes come first
    bool valueByte = false;   // then the caller's single value byte
    int fixedData = 0;        // then this many data bytes, or the caller's n when variable
    bool variableData = false;
};

std::optional<BodyLayout> bodyLayout(std::uint8_t function)
{
    switch (function) {
    case 1: // read table fields
        return BodyLayout{false, true, 3, false};
    case 2: // write table fields
        return BodyLayout{true, true, 0, true};
    case 7: // log by index
        return BodyLayout{false, false, 7, false};
    case 8: // log by period
        return BodyLayout{false, false, 15, false};
    case 12: // clock correction
        return BodyLayout{true, false, 2, false};
    case 14: // 5-minute archive
        return BodyLayout{false, false, 13, false};
    case 15: // hour archive
        return BodyLayout{false, false, 11, false};
    case 16: // day archive
        return BodyLayout{false, false, 9, false};
    case 25: // reset of all non-volatile data
    case 32:
    case 33:
        return BodyLayout{true, false, 0, false};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<int> buildRequestFrame(FrameBuffer& frame, std::uint8_t address, std::uint8_t function,
                                     QByteArrayView data, std::uint8_t value, const WriteCredentials& credentials)
{
    frame.fill(0);
    const std::optional<BodyLayout> layout = bodyLayout(function);
    if (!layout)
        return std::nullopt;
    const int dataLength = layout->variableData ? static_cast<int>(data.size()) : layout->fixedData;
    if (dataLength > MaxWriteData)
        return std::nullopt;

    frame[0] = FrameByte::RequestStart;
    frame[FrameOffset::Address] = address;
    frame[FrameOffset::Function] = function;
    int at = FrameOffset::Body;
    if (layout->credentials) {
        std::copy(credentials.password.begin(), credentials.password.end(), frame.begin() + at);
        std::copy(credentials.userCode.begin(), credentials.userCode.end(),
                  frame.begin() + at + static_cast<int>(credentials.password.size()));
        at += CredentialsLength;
    }
    if (layout->valueByte)
        frame[at++] = value;
    const int given = std::min<int>(dataLength, static_cast<int>(data.size()));
    if (given > 0)
        std::memcpy(frame.data() + at, data.data(), static_cast<std::size_t>(given));
    at += dataLength;

    const int length = at + 2;
    frame[FrameOffset::Length] = static_cast<std::uint8_t>(length);
    const std::uint16_t checksum = crc16(QByteArrayView(reinterpret_cast<const char*>(frame.data()), at));
    frame[at] = static_cast<std::uint8_t>(checksum & 0xFF);
    frame[at + 1] = static_cast<std::uint8_t>(checksum >> 8);
    return length;
}
