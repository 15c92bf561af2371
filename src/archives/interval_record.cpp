#include "archives/interval_record.h"

#include "archives/stamp_bytes.h"

namespace {
constexpr int StartOffset = 0;
constexpr int EndHourOffset = 6;
constexpr int EndMinuteOffset = 7;
constexpr int EndSecondOffset = 8;
constexpr int StatusOffset = 9;
constexpr std::uint8_t DailyFlagBit = 0x80;
constexpr std::uint8_t EndHourBits = 0x7F;
} // namespace

DateStamp IntervalRecord::start() const
{
    return stampAt(bytes(), StartOffset, FullStampLength);
}

TimeOfDay IntervalRecord::end() const
{
    return {byteAt(EndHourOffset) & EndHourBits, byteAt(EndMinuteOffset), byteAt(EndSecondOffset)};
}

bool IntervalRecord::dailyFlag() const
{
    return (byteAt(EndHourOffset) & DailyFlagBit) != 0;
}

std::uint8_t IntervalRecord::status() const
{
    return byteAt(StatusOffset);
}
