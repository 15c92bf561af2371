#pragma once

#include "sim/history/archive_calendar.h"
#include "sim/history/archive_record_maker.h"
#include "sim/history/episode_schedule.h"
#include "sim/history/sim_reply.h"

#include <QByteArrayView>
#include <cstdint>

namespace SimHist {

// Answers the archive requests 14 (5-minute), 15 (hourly) and 16 (daily): as many records of the
// requested device as one answer holds, from the requested start on, none past the requested end.
class ArchiveRequests {
public:
    ArchiveRequests(const ArchiveRecordMaker& records, const EpisodeSchedule& episodes, bool moistureMeter);

    SimReply answer(std::uint8_t function, QByteArrayView data, ClockMoment now, const ArchiveCalendar& calendar) const;

private:
    QByteArray recordAt(ArchiveUnit unit, bool moisture, ClockMoment start, const ArchiveCalendar& calendar) const;

    ArchiveRecordMaker records_;
    EpisodeSchedule episodes_;
    bool moistureMeter_;
};

} // namespace SimHist
