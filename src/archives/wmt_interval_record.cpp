#include "archives/wmt_interval_record.h"

namespace {
constexpr int ValuesOffset = 10;
} // namespace

WmtParams WmtIntervalRecord::values() const
{
    return floatsAt<WmtParamsSize>(ValuesOffset);
}
