#include "archives/archive_answer.h"

#include <algorithm>

namespace {
constexpr int LengthByte = 2;
constexpr int CountByte = 4;
constexpr int FirstRecordByte = 5;
constexpr int CrcLength = 2;
} // namespace

ArchiveAnswer parseArchiveAnswer(ArchiveKind kind, QByteArrayView frame)
{
    ArchiveAnswer answer{ArchiveRecords(kind)};
    if (frame.size() <= FirstRecordByte)
        return answer;
    const ArchiveKindInfo& info = archiveKindInfo(kind);
    const qsizetype frameLength = std::min<qsizetype>(static_cast<std::uint8_t>(frame[LengthByte]), frame.size());
    const qsizetype present = std::max<qsizetype>(frameLength - CrcLength - FirstRecordByte, 0) / info.recordSize;
    const qsizetype announced = static_cast<std::uint8_t>(frame[CountByte]);
    const qsizetype taken = std::min({announced, present, static_cast<qsizetype>(info.fullAnswerRecords)});
    answer.records.append(frame.sliced(FirstRecordByte, taken * info.recordSize));
    answer.full = taken == info.fullAnswerRecords;
    answer.countHeld = taken == announced;
    return answer;
}
