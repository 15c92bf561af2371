#include "sim/history/episode_schedule.h"

#include <algorithm>
#include <array>

namespace SimHist {

namespace {

using Kind = EpisodeSchedule::Kind;

struct EpisodeRule {
    Kind kind;
    double dailyChance;
    int shortestMinutes; // lengths are whole 5-minute intervals
    int longestMinutes;
};

constexpr std::array<EpisodeRule, 8> rules = {{
    {Kind::powerFailure, 1.0 / 25, 15, 240},
    {Kind::chromatographLink, 1.0 / 10, 10, 120},
    {Kind::chromatographAbnormal, 1.0 / 15, 5, 60},
    {Kind::valueOutOfLimits, 1.0 / 30, 5, 30},
    {Kind::chromatographNotUpdated, 1.0 / 20, 5, 30},
    {Kind::manualCalibration, 1.0 / 45, 20, 45},
    {Kind::moistureMeterLink, 1.0 / 12, 10, 90},
    {Kind::moistureMeterStatus, 1.0 / 15, 5, 60},
}};

constexpr std::array<Kind, 6> pollingKinds = {Kind::chromatographLink, Kind::chromatographAbnormal,
                                              Kind::valueOutOfLimits,  Kind::chromatographNotUpdated,
                                              Kind::moistureMeterLink, Kind::moistureMeterStatus};

constexpr qint64 calibrationLength = 3 * ClockMoment::fiveMinutes;
constexpr int pollingSearchDays = 31;

const EpisodeRule& ruleOf(Kind kind)
{
    return rules[static_cast<std::size_t>(kind)];
}

// One or two alarm bits of a 16-bit status word.
std::uint16_t statusBits(std::uint64_t detail)
{
    return static_cast<std::uint16_t>((1u << (detail % 16)) | ((detail & 0x100) ? 1u << ((detail >> 12) % 16) : 0u));
}

} // namespace

EpisodeSchedule::EpisodeSchedule(const SeededNoise& noise, std::optional<ClockMoment> chromatographLinkCut,
                                 std::optional<ClockMoment> moistureMeterLinkCut)
    : noise_(noise), chromatographLinkCut_(chromatographLinkCut), moistureMeterLinkCut_(moistureMeterLinkCut),
      calibrationTime_(noise.below(24, NoiseStream::calibrationHour, 0) * ClockMoment::hour)
{
}

std::optional<EpisodeSchedule::Episode> EpisodeSchedule::episodeOfDay(Kind kind, qint64 dayNumber) const
{
    const EpisodeRule& rule = ruleOf(kind);
    const auto key = static_cast<std::int64_t>(kind);
    if (noise_.unit(NoiseStream::episodeChance, dayNumber, key) >= rule.dailyChance)
        return std::nullopt;
    const qint64 slotsPerDay = ClockMoment::day / ClockMoment::fiveMinutes;
    const ClockMoment start(dayNumber * ClockMoment::day +
                            noise_.below(static_cast<int>(slotsPerDay), NoiseStream::episodeStart, dayNumber, key) *
                                ClockMoment::fiveMinutes);
    const int lengthSlots =
        rule.shortestMinutes / 5 +
        noise_.below((rule.longestMinutes - rule.shortestMinutes) / 5 + 1, NoiseStream::episodeLength, dayNumber, key);
    return Episode{start, start + std::max(1, lengthSlots) * ClockMoment::fiveMinutes,
                   noise_.bits(NoiseStream::episodeDetail, dayNumber, key)};
}

std::optional<EpisodeSchedule::Episode> EpisodeSchedule::activeEpisode(Kind kind, ClockMoment moment) const
{
    // Episodes are shorter than a day, so only the one begun today or yesterday can still run.
    const qint64 today = moment.truncated(ClockMoment::day).seconds() / ClockMoment::day;
    for (const qint64 dayNumber : {today, today - 1}) {
        const std::optional<Episode> episode = episodeOfDay(kind, dayNumber);
        if (episode && episode->start <= moment && moment < episode->end)
            return episode;
    }
    return std::nullopt;
}

SlotConditions EpisodeSchedule::at(ClockMoment moment) const
{
    SlotConditions conditions;
    conditions.switchedOff = activeEpisode(Kind::powerFailure, moment).has_value();
    conditions.chromatographLinkLost = activeEpisode(Kind::chromatographLink, moment).has_value() ||
                                       (chromatographLinkCut_ && *chromatographLinkCut_ <= moment);
    if (const auto abnormal = activeEpisode(Kind::chromatographAbnormal, moment)) {
        conditions.chromatographAbnormal = true;
        conditions.chromatographStatus = statusBits(abnormal->detail);
    }
    conditions.valueOutOfLimits = activeEpisode(Kind::valueOutOfLimits, moment).has_value();
    conditions.chromatographNotUpdated = activeEpisode(Kind::chromatographNotUpdated, moment).has_value();
    conditions.manualCalibration = activeEpisode(Kind::manualCalibration, moment).has_value();
    const qint64 sinceCalibration = moment.secondOfDay() - calibrationTime_;
    conditions.automaticCalibration = sinceCalibration >= 0 && sinceCalibration < calibrationLength;
    conditions.moistureMeterLinkLost = activeEpisode(Kind::moistureMeterLink, moment).has_value() ||
                                       (moistureMeterLinkCut_ && *moistureMeterLinkCut_ <= moment);
    if (const auto status = activeEpisode(Kind::moistureMeterStatus, moment))
        conditions.moistureMeterStatus = statusBits(status->detail);
    return conditions;
}

std::optional<ClockMoment> EpisodeSchedule::powerReturn(ClockMoment moment) const
{
    const auto failure = activeEpisode(Kind::powerFailure, moment);
    return failure ? std::optional<ClockMoment>(failure->end) : std::nullopt;
}

std::optional<ClockMoment> EpisodeSchedule::lastPollingChange(ClockMoment moment) const
{
    std::optional<ClockMoment> latest;
    const auto consider = [&](ClockMoment change) {
        if (change <= moment && (!latest || *latest < change))
            latest = change;
    };
    const qint64 today = moment.truncated(ClockMoment::day).seconds() / ClockMoment::day;
    for (qint64 dayNumber = today - pollingSearchDays; dayNumber <= today; ++dayNumber)
        for (const Kind kind : pollingKinds)
            if (const auto episode = episodeOfDay(kind, dayNumber)) {
                consider(episode->start);
                consider(episode->end);
            }
    for (const auto& cut : {chromatographLinkCut_, moistureMeterLinkCut_})
        if (cut && moment - *cut < pollingSearchDays * ClockMoment::day)
            consider(*cut);
    return latest;
}

} // namespace SimHist
