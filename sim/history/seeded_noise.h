#pragma once

#include <cstdint>

namespace SimHist {

// Named sources of chance of the simulated controller; each draws its own numbers from the seed.
enum class NoiseStream : std::uint64_t {
    gasBase = 1,
    gasDailyPhase,
    gasSlowPhase,
    gasSlowPeriod,
    gasRepeatability,
    moistureBase,
    moistureRepeatability,
    episodeChance,
    episodeStart,
    episodeLength,
    episodeDetail,
    calibrationHour,
    logJitter,
    logDetail,
};

// Deterministic numbers from the seed: the same seed, stream and key always give the same value,
// whatever was drawn before, so any record can be made for any moment in any order.
class SeededNoise {
public:
    explicit SeededNoise(std::uint32_t seed) : seed_(seed) {}

    std::uint64_t bits(NoiseStream stream, std::int64_t key, std::int64_t part = 0) const;
    // In [0, 1).
    double unit(NoiseStream stream, std::int64_t key, std::int64_t part = 0) const;
    double between(double low, double high, NoiseStream stream, std::int64_t key, std::int64_t part = 0) const;
    // In [0, count).
    int below(int count, NoiseStream stream, std::int64_t key, std::int64_t part = 0) const;

private:
    std::uint64_t seed_;
};

} // namespace SimHist
