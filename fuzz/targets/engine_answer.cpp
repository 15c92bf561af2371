// The engine and the request layer over a line that delivers the input: the
// whole answer check of a table read or write (start symbol, address, length,
// checksum, the answer's function code, the echoed range, the field count)
// with the frame trace on. Input: three choice bytes (support/request_choice.h),
// then what arrives on the line, across all attempts.
#include "crc/crc16.h"
#include "exchange/request_layer.h"
#include "link/hgcbox.h"
#include "support/fuzz_check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_line.h"
#include "support/null_operator.h"
#include "support/request_choice.h"

#include <QLoggingCategory>
#include <memory>

namespace {

// Only the end of the input ends a wait here, never a clock.
constexpr std::int32_t UnreachedTimeoutMs = 600'000;
constexpr int EchoedRange = 5;

// Ends the request once the line has nothing more to give, as Escape would;
// otherwise the engine would wait out its time-outs for bytes that never come.
class DrainedLineAborts : public NullOperator {
public:
    DrainedLineAborts(hgcbox& engine, const FuzzLine& line) : engine_(engine), line_(line) {}
    void pump() override
    {
        if (line_.drained())
            engine_.requestAbort();
    }

private:
    hgcbox& engine_;
    const FuzzLine& line_;
};

// The trace formats every answer as it would for support; its lines go nowhere.
void traceIntoNothing()
{
    static const bool tracing = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("gqc.link.frames.debug=true"));
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)tracing;
}

ExchangeSettings lineSettings(const RequestChoice& choice)
{
    ExchangeSettings settings;
    settings.linkKind = LinkKind::Modem; // a serial line without RTS switching: no pauses
    settings.openPerRequest = false;
    settings.address = choice.address;
    settings.attempts = choice.attempts;
    settings.interByteMs = UnreachedTimeoutMs;
    settings.answerTimeoutMs = UnreachedTimeoutMs;
    return settings;
}

QByteArrayView answerBytes(const FrameBuffer& answer, int from, int count)
{
    return QByteArrayView(reinterpret_cast<const char*>(answer.data()) + from, count);
}

// The time-outs are never reached here: a request ends incomplete only on an
// error reply whose checksum is good but that ends before the error code (or,
// after error 60, the destroyed table) it needs, a frame cut short.
void checkCutShort(const FrameBuffer& answer, const RequestChoice& choice)
{
    const int length = answer[FrameOffset::Length];
    const bool errorReply = answer[FrameOffset::Function] != (choice.function() | FrameByte::AnswerFlag);
    fuzzCheck(errorReply && crc16(answerBytes(answer, 0, length)) == 0 &&
                  length <= FrameOffset::DestroyedTable + FrameByte::ChecksumLength,
              "only an error reply cut short ends a request incomplete");
}

void checkEngine(const hgcbox& engine, const RequestChoice& choice)
{
    const ExchangeStatus status = engine.status();
    fuzzCheck(status == ExchangeStatus::Done || status == ExchangeStatus::AnswerChecksum ||
                  status == ExchangeStatus::ControllerError || status == ExchangeStatus::AnswerIncomplete ||
                  status == ExchangeStatus::Aborted,
              "a line that never fails nor falls silent ends in an answer, a bad answer or the abort");
    if (status == ExchangeStatus::AnswerIncomplete)
        checkCutShort(engine.answerFrame(), choice);
    fuzzCheck(engine.message() == engine.errorMessage(), "the status's message is that of the last status");
    // An abort asked for before the request began names the function before it, as the engine always has.
    if (status != ExchangeStatus::Aborted)
        fuzzCheck(engine.errorMessage().startsWith(QStringLiteral("Команда %1.  ").arg(choice.function())),
                  "the message names the request's function code");

    // Only a request to any controller learns an address, from an intact answer;
    // a new address written to the controller is the table effects' to take.
    const bool learns = choice.address == FrameByte::AnyAddress;
    if (!learns)
        fuzzCheck(engine.address() == choice.address, "only a request to 0xFF changes the address");
    const FrameBuffer& answer = engine.answerFrame();
    if (status != ExchangeStatus::Done && status != ExchangeStatus::ControllerError)
        return;
    const int length = answer[FrameOffset::Length];
    fuzzCheck(answer[0] == FrameByte::AnswerStart && length >= FrameByte::MinAnswerLength,
              "an accepted answer has its start symbol and a whole header");
    fuzzCheck(crc16(answerBytes(answer, 0, length)) == 0, "an accepted answer has a good checksum");
    fuzzCheck(choice.acceptsAnswerFrom(answer[FrameOffset::Address]),
              "an accepted answer comes from an address it may");
    if (learns)
        fuzzCheck(engine.address() == answer[FrameOffset::Address], "the engine learns the address that answered");
    const bool successReply = answer[FrameOffset::Function] == (choice.function() | FrameByte::AnswerFlag);
    fuzzCheck(successReply == (status == ExchangeStatus::Done), "an error reply is the one without the answer code");
}

void checkTransfer(bool done, const RequestLayer& layer, const hgcbox& engine, const RequestChoice& choice,
                   const ParamImage& image, const ParamImage& before)
{
    fuzzCheck(done == layer.failure().isEmpty(), "a failed transfer says why, a done one does not");
    if (!done) {
        fuzzCheck(image == before, "a failed transfer leaves the image untouched");
        return;
    }
    fuzzCheck(engine.status() == ExchangeStatus::Done, "a transfer is done only on a done request");
    const FrameBuffer& answer = engine.answerFrame();
    const FieldRange range = choice.range();
    fuzzCheck(answer[EchoedRange] == range.table && answer[EchoedRange + 1] == range.first &&
                  answer[EchoedRange + 2] == range.count,
              "a done transfer's answer repeats the range");
    if (choice.kind != RequestChoice::Kind::Read) {
        fuzzCheck(image == before, "a write changes nothing in the image");
        return;
    }
    const QByteArray read = image.copyOf(range);
    fuzzCheck(answer[FrameOffset::Length] == FrameOffset::FieldValues + read.size() + 2,
              "a read answer carries exactly the fields asked for");
    fuzzCheck(read == answerBytes(answer, FrameOffset::FieldValues, static_cast<int>(read.size())),
              "a done read puts the answer's fields into the image");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    traceIntoNothing();
    FuzzInput input(data, size);
    const RequestChoice choice = RequestChoice::take(input);

    hgcbox engine(choice.address);
    engine.setSettings(lineSettings(choice));
    auto line = std::make_unique<FuzzLine>(input.rest());
    DrainedLineAborts person(engine, *line);
    engine.setTransport(std::move(line));
    engine.setOperator(&person);

    ParamImage image;
    SettingsBlock settings;
    std::uint8_t moistureMeter = 1;
    RequestLayer layer(RequestContext{engine, person, image, settings, moistureMeter});
    const FieldRange range = choice.range();
    if (choice.kind != RequestChoice::Kind::Read)
        image.assign(range, choice.writtenFields());
    const ParamImage before = image;
    const bool done =
        choice.kind == RequestChoice::Kind::Read ? layer.readFields(range, false) : layer.writeFields(range, false);
    checkEngine(engine, choice);
    checkTransfer(done, layer, engine, choice, image, before);
    return 0;
}
