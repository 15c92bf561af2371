// An answer frame to a log request as it may arrive once the engine has taken
// it: any length byte, any record count. Input: one byte choosing the log (bit
// 0) and the request (bit 1: by period), one byte the count asked for by
// index, then the frame. A believed answer holds exactly the records it
// announces, taken from the frame, and never more than were asked for.
#include "logs/log_answer.h"
#include "support/fuzz_check.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t choice = input.takeByte();
    const LogKind kind = (choice & 1) == 0 ? LogKind::Interventions : LogKind::Diagnostics;
    const bool byPeriod = (choice & 2) != 0;
    const int asked = input.takeByte() % 11;
    const QByteArrayView frame = input.rest();
    const LogAnswer answer = byPeriod ? parsePeriodAnswer(kind, frame) : parseIndexAnswer(kind, frame, asked);
    if (!answer.believed) {
        fuzzCheck(answer.count == 0 && answer.records.isEmpty(), "an answer not believed brings nothing");
        return 0;
    }
    const int recordSize = logKindInfo(kind).recordSize;
    const int first = byPeriod ? 8 : 11;
    fuzzCheck(answer.records.size() == qsizetype(answer.count) * recordSize, "whole records, as many as announced");
    fuzzCheck(byPeriod || answer.count <= asked, "never more than were asked for");
    fuzzCheck(first + answer.records.size() + 2 <= frame.size(), "the records and the checksum are in the frame");
    fuzzCheck(answer.records == frame.sliced(first, answer.records.size()), "the records are the frame's bytes");
    return 0;
}
