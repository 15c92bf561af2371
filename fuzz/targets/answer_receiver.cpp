// The answer receiver takes the bytes of the line one by one: noise, preambles,
// answers from other controllers, frames cut short. Input: three choice bytes
// (support/request_choice.h), then what arrives on the line. Also formats the
// frame trace's answer line for what arrived.
#include "link/answer_receiver.h"
#include "link/frame_trace.h"
#include "support/fuzz_check.h"
#include "support/fuzz_input.h"
#include "support/request_choice.h"

#include <QDateTime>

namespace {

const QDateTime traceStamp(QDate(2025, 3, 5), QTime(14, 30));

void checkCompleteFrame(const AnswerReceiver& receiver, const FrameBuffer& answer, const RequestChoice& request)
{
    fuzzCheck(answer[0] == FrameByte::AnswerStart, "a complete answer begins with the start symbol");
    fuzzCheck(answer[FrameOffset::Length] >= FrameByte::MinAnswerLength, "a complete answer is at least 6 bytes");
    fuzzCheck(receiver.position() == answer[FrameOffset::Length], "an answer is complete at its announced length");
    fuzzCheck(request.acceptsAnswerFrom(answer[FrameOffset::Address]), "an answer comes from an address it may");
    const std::uint8_t expected =
        request.address == FrameByte::AnyAddress ? answer[FrameOffset::Address] : request.address;
    fuzzCheck(receiver.address() == expected, "the address is learnt from the answer to 0xFF only");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RequestChoice request = RequestChoice::take(input);
    const FrameBuffer requestFrame = request.frame();
    FrameBuffer answer{};
    AnswerReceiver receiver(requestFrame, answer, request.address);
    ArrivedBytes arrived;
    for (const char byte : input.rest()) {
        arrived.append(byte);
        fuzzCheck(receiver.position() >= 0 && receiver.position() < static_cast<int>(answer.size()),
                  "the receiver stays inside the answer buffer");
        if (receiver.feed(static_cast<std::uint8_t>(byte)))
            break;
    }
    if (receiver.complete()) {
        checkCompleteFrame(receiver, answer, request);
        const FrameBuffer kept = answer;
        fuzzCheck(receiver.feed(0x33) && answer == kept, "bytes after a complete answer change nothing");
    } else if (request.address != FrameByte::AnyAddress) {
        fuzzCheck(receiver.address() == request.address, "only a request to 0xFF learns an address");
    }

    const QByteArrayView frame =
        receiver.complete() ? QByteArrayView(reinterpret_cast<const char*>(answer.data()), answer[FrameOffset::Length])
                            : QByteArrayView();
    const QString line = answerTraceLine(traceStamp, AnswerAttempt{arrived, frame, ExchangeStatus::Done, {}});
    fuzzCheck(line.startsWith(QStringLiteral("2025-03-05 14:30:00.000 <- ")), "a trace line begins with its stamp");
    return 0;
}
