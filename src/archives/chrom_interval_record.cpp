#include "archives/chrom_interval_record.h"

namespace {
constexpr int GasParamsOffset = 10;
} // namespace

GasParams ChromIntervalRecord::gasParams() const
{
    return floatsAt<GasParamsSize>(GasParamsOffset);
}
