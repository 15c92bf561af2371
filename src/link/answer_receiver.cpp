#include "link/answer_receiver.h"

#include "base/table_numbers.h"

namespace {

constexpr std::uint8_t WriteFields = 2;

} // namespace

AnswerReceiver::AnswerReceiver(const FrameBuffer& request, FrameBuffer& answer, std::uint8_t address)
    : request_(request), answer_(answer), address_(address)
{
}

bool AnswerReceiver::feed(std::uint8_t byte)
{
    if (complete_)
        return true;
    answer_[position_] = byte;
    switch (position_) {
    case 0:
        if (byte == FrameByte::AnswerStart)
            position_ = 1;
        break;
    case 1:
        if (byte == address_) {
            position_ = 2;
        } else if (request_[FrameOffset::Address] == FrameByte::AnyAddress) {
            address_ = byte;
            position_ = 2;
        } else if (request_[FrameOffset::Function] == WriteFields &&
                   request_[FrameOffset::WriteTable] == TableNumber::UpperLevelPort &&
                   request_[FrameOffset::WriteFirstField] == 0) {
            // The controller answers a write of its own address from the new address;
            // anything else here is skipped while the start symbol stays.
            if (byte == request_[FrameOffset::WriteFirstValue])
                position_ = 2;
        } else {
            position_ = 0;
        }
        break;
    case 2:
        position_ = byte >= FrameByte::MinAnswerLength ? 3 : 0;
        break;
    default:
        ++position_;
        break;
    }
    complete_ = position_ > 2 && answer_[FrameOffset::Length] <= position_;
    return complete_;
}
