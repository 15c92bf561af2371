#include "tables/identification.h"

#include <algorithm>

Identification::Identification(std::span<const std::uint8_t> table)
{
    std::copy_n(table.begin(), std::min(table.size(), bytes_.size()), bytes_.begin());
}

DateStamp Identification::softwareCreated() const
{
    return {bytes_[4], bytes_[5], bytes_[6], bytes_[7], bytes_[8], bytes_[9]};
}
