#pragma once

#include "sim/history/clock_moment.h"
#include "sim/history/seeded_noise.h"

#include <cstdint>
#include <optional>

namespace SimHist {

// What went on around the controller during one 5-minute interval.
struct SlotConditions {
    bool switchedOff = false;
    bool chromatographLinkLost = false;
    bool chromatographAbnormal = false;
    bool valueOutOfLimits = false;
    bool chromatographNotUpdated = false;
    bool manualCalibration = false;
    bool automaticCalibration = false;
    bool moistureMeterLinkLost = false;
    std::uint16_t chromatographStatus = 0; // the chromatograph's own alarm word
    std::uint16_t moistureMeterStatus = 0; // the moisture meter's own status word

    // The chromatograph's analysis of the interval stands for the gas as it was.
    bool chromatographSound() const
    {
        return !switchedOff && !chromatographLinkLost && !chromatographAbnormal && !valueOutOfLimits &&
               !chromatographNotUpdated;
    }
};

// The controller's mishaps, drawn from the seed day by day: power failures, lost links, abnormal
// states of the instruments, calibrations. A link that the operator of the simulator cut stays
// lost from that moment on.
class EpisodeSchedule {
public:
    EpisodeSchedule(const SeededNoise& noise, std::optional<ClockMoment> chromatographLinkCut,
                    std::optional<ClockMoment> moistureMeterLinkCut);

    SlotConditions at(ClockMoment moment) const;
    // While the controller is switched off: the moment its power returns.
    std::optional<ClockMoment> powerReturn(ClockMoment moment) const;
    // The latest change, not after the moment, of the state of the instruments' polling; empty when
    // nothing changed in the month before it.
    std::optional<ClockMoment> lastPollingChange(ClockMoment moment) const;
    // The time of day of the chromatograph's daily automatic calibration, in seconds.
    qint64 calibrationTime() const { return calibrationTime_; }

    enum class Kind {
        powerFailure,
        chromatographLink,
        chromatographAbnormal,
        valueOutOfLimits,
        chromatographNotUpdated,
        manualCalibration,
        moistureMeterLink,
        moistureMeterStatus,
    };

private:
    struct Episode {
        ClockMoment start;
        ClockMoment end;
        std::uint64_t detail;
    };
    std::optional<Episode> episodeOfDay(Kind kind, qint64 dayNumber) const;
    std::optional<Episode> activeEpisode(Kind kind, ClockMoment moment) const;

    SeededNoise noise_;
    std::optional<ClockMoment> chromatographLinkCut_;
    std::optional<ClockMoment> moistureMeterLinkCut_;
    qint64 calibrationTime_;
};

} // namespace SimHist
