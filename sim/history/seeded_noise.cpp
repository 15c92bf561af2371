#include "sim/history/seeded_noise.h"

namespace SimHist {

namespace {

// The finaliser of splitmix64: spreads every input bit over the whole word.
std::uint64_t scramble(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

} // namespace

std::uint64_t SeededNoise::bits(NoiseStream stream, std::int64_t key, std::int64_t part) const
{
    std::uint64_t value = scramble(seed_ ^ (static_cast<std::uint64_t>(stream) << 40));
    value = scramble(value ^ static_cast<std::uint64_t>(key));
    return scramble(value ^ static_cast<std::uint64_t>(part));
}

double SeededNoise::unit(NoiseStream stream, std::int64_t key, std::int64_t part) const
{
    return static_cast<double>(bits(stream, key, part) >> 11) * 0x1.0p-53;
}

double SeededNoise::between(double low, double high, NoiseStream stream, std::int64_t key, std::int64_t part) const
{
    return low + (high - low) * unit(stream, key, part);
}

int SeededNoise::below(int count, NoiseStream stream, std::int64_t key, std::int64_t part) const
{
    return static_cast<int>(unit(stream, key, part) * count);
}

} // namespace SimHist
