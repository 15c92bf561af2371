#include "logs/log_answer.h"

#include <algorithm>

namespace {

constexpr int LengthByte = 2;
constexpr int CrcLength = 2;
constexpr int IndexCountByte = 10;
constexpr int IndexFirstRecordByte = 11;
constexpr int PeriodFlagsByte = 4;
constexpr std::uint8_t LogErrorFlag = 0x80;
constexpr int PeriodCountByte = 6;
constexpr int PeriodMoreByte = 7;
constexpr int PeriodFirstRecordByte = 8;

// The n records announced at `countByte` and starting at `first`, when the frame holds them all.
LogAnswer recordsAt(LogKind kind, QByteArrayView frame, int countByte, int first, int mostAllowed)
{
    LogAnswer answer;
    if (frame.size() <= LengthByte)
        return answer;
    const qsizetype length = std::min<qsizetype>(static_cast<std::uint8_t>(frame[LengthByte]), frame.size());
    if (length < first + CrcLength)
        return answer;
    const int recordSize = logKindInfo(kind).recordSize;
    const qsizetype held = (length - CrcLength - first) / recordSize;
    const int announced = static_cast<std::uint8_t>(frame[countByte]);
    if (announced > held || announced > mostAllowed)
        return answer;
    answer.believed = true;
    answer.count = announced;
    answer.records = frame.sliced(first, qsizetype{announced} * recordSize).toByteArray();
    return answer;
}

} // namespace

LogAnswer parseIndexAnswer(LogKind kind, QByteArrayView frame, int asked)
{
    return recordsAt(kind, frame, IndexCountByte, IndexFirstRecordByte, asked);
}

LogAnswer parsePeriodAnswer(LogKind kind, QByteArrayView frame)
{
    LogAnswer answer = recordsAt(kind, frame, PeriodCountByte, PeriodFirstRecordByte, INT32_MAX);
    if (answer.believed) {
        answer.more = frame[PeriodMoreByte] != 0;
        answer.logError = (static_cast<std::uint8_t>(frame[PeriodFlagsByte]) & LogErrorFlag) != 0;
    }
    return answer;
}
