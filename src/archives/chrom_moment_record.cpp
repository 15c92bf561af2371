#include "archives/chrom_moment_record.h"

namespace {
// Bytes 9–10 belong to the device; the program carries them unread.
constexpr int StatusOffset = 7;
constexpr int GasParamsOffset = 11;
} // namespace

std::uint16_t ChromMomentRecord::chromatographStatus() const
{
    return wordAt(StatusOffset);
}

GasParams ChromMomentRecord::gasParams() const
{
    return floatsAt<GasParamsSize>(GasParamsOffset);
}
