#include "sim/history/log_timeline.h"

#include <algorithm>

namespace SimHist {

LogTimeline::LogTimeline(const SeededNoise& noise, ClockMoment start, const Shape& shape)
    : noise_(noise), start_(start), shape_(shape)
{
}

ClockMoment LogTimeline::momentOf(std::uint32_t index) const
{
    const qint64 lateness =
        shape_.latest > 0 ? noise_.below(static_cast<int>(shape_.latest), NoiseStream::logJitter, index, shape_.logKey)
                          : 0;
    return start_ + (static_cast<qint64>(index) - 1) * shape_.spacing + lateness;
}

std::uint32_t LogTimeline::newest(ClockMoment now) const
{
    if (now < start_)
        return 0;
    // Record k + 1 has its place at start + k spacings; only it and the one before can be the newest.
    auto index = static_cast<std::uint32_t>((now - start_) / shape_.spacing + 1);
    if (momentOf(index) > now)
        --index;
    return index;
}

std::uint32_t LogTimeline::oldest(ClockMoment now) const
{
    const std::uint32_t last = newest(now);
    return last <= shape_.capacity ? std::min<std::uint32_t>(last, 1) : last - shape_.capacity + 1;
}

std::uint32_t LogTimeline::firstAtOrAfter(ClockMoment moment) const
{
    if (moment <= start_)
        return 1;
    auto index = static_cast<std::uint32_t>(std::max<qint64>(1, (moment - start_) / shape_.spacing));
    while (momentOf(index) < moment)
        ++index;
    return index;
}

} // namespace SimHist
