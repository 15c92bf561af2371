#include "archives/archive_means.h"

#include <cmath>
#include <limits>

double ArchiveMeans::mean(int index) const
{
    const int count = counts_.at(index);
    return count == 0 ? std::numeric_limits<double>::quiet_NaN() : sums_.at(index) / count;
}

void ArchiveMeans::addValue(int index, float value)
{
    if (!std::isfinite(value))
        return;
    sums_[index] += value;
    ++counts_[index];
}
