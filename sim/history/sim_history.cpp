#include "sim/history/sim_history.h"

#include "sim/history/controller_errors.h"
#include "sim/history/history_tables.h"

#include <optional>

using namespace SimHist;

namespace {

constexpr int systemTable = 6;
constexpr int contractHourByte = 6;
constexpr int lastHour = 23;

std::optional<ClockMoment> momentOf(const QDateTime& moment)
{
    return moment.isValid() ? std::optional<ClockMoment>(ClockMoment::fromDateTime(moment)) : std::nullopt;
}

} // namespace

// The gas, the moisture and the episodes that every part of the history follows.
struct SimHistory::Models {
    explicit Models(const SimHistoryOptions& options)
        : noise(options.seed), gas(noise), moisture(noise),
          episodes(noise, momentOf(options.chromatographLinkCut), momentOf(options.moistureMeterLinkCut))
    {
    }
    SeededNoise noise;
    GasModel gas;
    MoistureModel moisture;
    EpisodeSchedule episodes;
};

SimHistory::SimHistory(const SimHistoryOptions& options) : SimHistory(options, Models(options)) {}

SimHistory::SimHistory(const SimHistoryOptions& options, const Models& models)
    : historyStart_(ClockMoment::fromDateTime(options.historyStart)), contractHour_(options.contractHour),
      archives_(ArchiveRecordMaker(models.gas, models.moisture, models.episodes, historyStart_,
                                   DamagedStamps(options.damagedRecords)),
                models.episodes, options.moistureMeter),
      logs_(models.noise, historyStart_, models.episodes.calibrationTime(), DamagedStamps(options.damagedRecords)),
      currentData_(models.gas, models.moisture, models.episodes, historyStart_,
                   CurrentData::Links{options.moistureMeter, options.flowComputerLinks})
{
}

bool SimHistory::handles(std::uint8_t function)
{
    return function == 7 || function == 8 || function == 14 || function == 15 || function == 16;
}

ArchiveCalendar SimHistory::calendar() const
{
    return ArchiveCalendar(historyStart_, contractHour_);
}

SimReply SimHistory::answer(std::uint8_t function, QByteArrayView data, const QDateTime& now)
{
    const ClockMoment moment = ClockMoment::fromDateTime(now);
    if (function == 7 || function == 8)
        return logs_.answer(function, data, moment);
    if (handles(function))
        return archives_.answer(function, data, moment, calendar());
    return SimReply::failure(ControllerError::unknownCommand);
}

void SimHistory::refreshTables(TableMemory& tables, const QDateTime& now)
{
    const std::uint8_t contractHour = HistoryTable::byteOf(tables, systemTable, contractHourByte, 0xFF);
    if (contractHour <= lastHour)
        contractHour_ = contractHour;
    const ClockMoment moment = ClockMoment::fromDateTime(now);
    HistoryTable::sized(tables, HistoryTable::firstRecords).replace(0, 18, calendar().firstRecordStamps(moment));
    logs_.writeBounds(tables, moment);
    currentData_.refresh(tables, moment);
}
