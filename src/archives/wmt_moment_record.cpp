#include "archives/wmt_moment_record.h"

namespace {
// Bytes 7–8 belong to the device; the program carries them unread.
constexpr int StatusOffset = 9;
constexpr int ValuesOffset = 11;
} // namespace

std::uint16_t WmtMomentRecord::meterStatus() const
{
    return wordAt(StatusOffset);
}

WmtParams WmtMomentRecord::values() const
{
    return floatsAt<WmtParamsSize>(ValuesOffset);
}
