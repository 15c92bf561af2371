#include "archives/moment_record.h"

#include "archives/stamp_bytes.h"

namespace {
constexpr int StampOffset = 0;
constexpr int FlagsOffset = 6;
} // namespace

DateStamp MomentRecord::stamp() const
{
    return stampAt(bytes(), StampOffset, FullStampLength);
}

std::uint8_t MomentRecord::flags() const
{
    return byteAt(FlagsOffset);
}
