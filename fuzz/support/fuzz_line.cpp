#include "support/fuzz_line.h"

#include <algorithm>
#include <cstring>

int FuzzLine::readAvailable(char* into, int max)
{
    const auto count = static_cast<int>(std::min<qsizetype>(max, arriving_.size() - next_));
    if (count > 0)
        std::memcpy(into, arriving_.data() + next_, static_cast<std::size_t>(count));
    next_ += count;
    return count;
}
