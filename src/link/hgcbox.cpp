#include "link/hgcbox.h"

#include "crc/crc16.h"
#include "link/answer_receiver.h"
#include "link/exchange_texts.h"
#include "link/frame_trace.h"
#include "link/serial_line_settings.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QScopedValueRollback>
#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

Q_LOGGING_CATEGORY(linkLog, "gqc.link")

namespace {

using namespace std::chrono_literals;

// The engine waits for answer bytes in blocking slices: a wait ends at once when
// a byte arrives, at the next time-out, or after this long, so the user interface
// is pumped at least a hundred times a second and no processor is kept spinning.
constexpr qint64 LongestWaitMs = 10;
// The engine takes at most this many bytes from the link in one turn of its
// wait. Once more bytes have arrived than an answer and its preambles can
// hold, it pauses after every turn that took any: no controller's line
// delivers more than a few bytes a millisecond, so the pace holds back only a
// peer that streams noise, and what that peer sends beyond it waits in the
// link (TCP throttles the peer) instead of in memory or in a processor kept
// busy. Up to then bytes are taken as they come, so that the end of an answer
// is seen at once.
constexpr int ReadChunk = 4096;
constexpr qint64 LongestAnswerOnLine = 255 + 255; // preambles, then the frame
constexpr auto TakePause = 1ms;
constexpr auto TransmitterLead = 2ms;     // RTS raised before the first bit
constexpr auto PortSettle = 100ms;        // after a port is opened
constexpr auto PortReleasePause = 150ms;  // after a port opened for one request is closed
constexpr auto PortOpenRetryPause = 50ms; // between attempts to open a busy port
constexpr int BitsPerByte = 10;           // start bit, 8 data bits, stop bit
constexpr std::uint8_t DestroyedTableError = 60;

const QString ExchangeText = QStringLiteral("Обмен...");

// The shortest error reply that holds what its code needs: the code itself and,
// after error 60, the destroyed table's number, then the checksum.
int errorReplyLength(std::uint8_t errorCode)
{
    const int lastNeeded = errorCode == DestroyedTableError ? FrameOffset::DestroyedTable : FrameOffset::ErrorCode;
    return lastNeeded + 1 + FrameByte::ChecksumLength;
}

// Sleeps until `clock` has run `duration`.
void pauseUntil(const QElapsedTimer& clock, std::chrono::nanoseconds duration)
{
    const auto remaining = duration - std::chrono::nanoseconds(clock.nsecsElapsed());
    if (remaining > 0ns)
        std::this_thread::sleep_for(remaining);
}

} // namespace

hgcbox::hgcbox(std::uint8_t controllerAddress) : statusText_(exchangeStatusText(ExchangeStatus::Done))
{
    settings_.address = controllerAddress;
}

hgcbox::~hgcbox() = default;

void hgcbox::setTransport(std::unique_ptr<Transport> transport)
{
    transport_ = std::move(transport);
}

void hgcbox::closeLink()
{
    transport_.reset();
}

bool hgcbox::request(std::uint8_t functionCode, QByteArrayView data, std::uint8_t value)
{
    if (running_)
        return false;
    const QScopedValueRollback guard(running_, true);
    if (takeAbort())
        return false;

    lastFunction_ = functionCode;
    setStatus(ExchangeStatus::Done);
    const std::optional<int> length =
        buildRequestFrame(requestFrame_, settings_.address, functionCode, data, value, settings_.credentials);
    if (!length) {
        setStatus(ExchangeStatus::BadFunctionCode);
        return false;
    }
    if (settings_.openPerRequest && !openPort())
        return false;

    showExchange(true);
    // No attempt at all would report a request that was never sent as done.
    const int tries = std::max<int>(settings_.attempts, 1);
    for (int attempt = 0; attempt < tries; ++attempt) {
        // An abort ends the request, not just the attempt it interrupted.
        if (takeAbort() || exchange(*length) || status_ == ExchangeStatus::Aborted)
            break;
    }
    showExchange(false);

    if (settings_.openPerRequest) {
        closeLink();
        std::this_thread::sleep_for(PortReleasePause);
    }
    abortRequested_ = false;
    return status_ == ExchangeStatus::Done;
}

QString hgcbox::errorMessage() const
{
    QString text = QStringLiteral("Команда %1.  %2").arg(lastFunction_).arg(statusText_);
    if (status_ == ExchangeStatus::ControllerError && answerFrame_[FrameOffset::ErrorCode] == DestroyedTableError)
        text += QStringLiteral(" %1").arg(answerFrame_[FrameOffset::DestroyedTable]);
    return text;
}

bool hgcbox::openPort()
{
    closeLink();
    QElapsedTimer clock;
    clock.start();
    const auto window = std::chrono::milliseconds(std::int64_t{settings_.portOpenWaitS} * 1000);
    std::unique_ptr<Transport> port;
    while (portOpener_ && std::chrono::milliseconds(clock.elapsed()) < window) {
        port = portOpener_(settings_.comPort, settings_.bitRate);
        if (port)
            break;
        std::this_thread::sleep_for(std::min<std::chrono::milliseconds>(
            PortOpenRetryPause, window - std::chrono::milliseconds(clock.elapsed())));
    }
    if (!port) {
        setStatus(ExchangeStatus::PortUnavailable);
        return false;
    }
    transport_ = std::move(port);
    std::this_thread::sleep_for(PortSettle);
    return true;
}

bool hgcbox::exchange(int frameLength)
{
    pump();
    if (takeAbort())
        return false;
    if (requestFrame_[0] != FrameByte::RequestStart) {
        setStatus(ExchangeStatus::BadStartSymbol);
        return false;
    }
    if (!send(frameLength))
        return false;
    traceRequest(requestFrame_, frameLength, settings_.preambles);

    std::fill(answerFrame_.begin(), answerFrame_.end() - 1, 0);
    setStatus(ExchangeStatus::Done);
    ArrivedBytes arrived;
    const std::optional<std::uint8_t> answerAddress = receive(arrived);
    if (answerAddress)
        checkAnswer(*answerAddress);
    traceAnswer(arrived, answerAddress ? &answerFrame_ : nullptr, status_, message_);

    if (settings_.linkKind != LinkKind::Ethernet && transport_)
        transport_->purge();
    return status_ == ExchangeStatus::Done;
}

bool hgcbox::send(int frameLength)
{
    QByteArray bytes(settings_.preambles, static_cast<char>(FrameByte::Preamble));
    bytes.append(reinterpret_cast<const char*>(requestFrame_.data()), frameLength);

    if (settings_.linkKind == LinkKind::Ethernet) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::clamp(settings_.sendPauseMs, 0, MaxSendPauseMs)));
        // Bytes still waiting belong to an answer that came too late; left there
        // they would be taken for the answer to this request.
        if (transport_)
            transport_->purge();
        if (!transport_ || !transport_->write(bytes)) {
            setStatus(ExchangeStatus::EthernetSendFailed);
            return false;
        }
        return true;
    }

    if (!transport_) {
        setStatus(ExchangeStatus::WriteFailed);
        return false;
    }
    transport_->setBitRate(settings_.bitRate);
    transport_->purge();
    // On a direct line the PC switches the RS-485 transmitter itself: on before
    // the first bit, off as soon as the last one is out, so that the controller's
    // answer is not cut off.
    const bool direct = settings_.linkKind == LinkKind::Direct;
    if (direct) {
        driveTransmitter(true);
        std::this_thread::sleep_for(TransmitterLead);
    }
    QElapsedTimer clock;
    clock.start();
    const std::chrono::nanoseconds transmitTime(std::int64_t{bytes.size() + 1} * BitsPerByte * 1'000'000'000 /
                                                clampBitRate(settings_.bitRate));
    const bool written = transport_->write(bytes);
    if (direct) {
        if (written)
            pauseUntil(clock, transmitTime);
        driveTransmitter(false);
    }
    if (!written) {
        setStatus(ExchangeStatus::WriteFailed);
        return false;
    }
    return true;
}

std::optional<std::uint8_t> hgcbox::receive(ArrivedBytes& arrived)
{
    AnswerReceiver receiver(requestFrame_, answerFrame_, settings_.address);
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = 0;
    qint64 taken = 0;
    const bool traced = frameTraceOn();
    std::array<char, ReadChunk> chunk;
    while (true) {
        pump();
        if (takeAbort())
            return std::nullopt;
        const int got = transport_ ? transport_->readAvailable(chunk.data(), ReadChunk) : 0;
        if (got < 0 && settings_.linkKind == LinkKind::Ethernet) {
            setStatus(ExchangeStatus::EthernetReceiveFailed);
            return std::nullopt;
        }
        // Bytes after the end of the frame are dropped, as the purge before the next request would drop them.
        for (int i = 0; i < got; ++i) {
            if (traced)
                arrived.append(chunk[i]);
            if (receiver.feed(static_cast<std::uint8_t>(chunk[i])))
                return receiver.address();
        }
        if (got > 0) {
            lastByteAt = clock.elapsed();
            taken += got;
        }
        // Before the address: the wait for the answer; after it: the gap between bytes.
        const bool answerStarted = receiver.position() >= 2;
        const qint64 deadline = answerStarted ? lastByteAt + settings_.interByteMs : qint64{settings_.answerTimeoutMs};
        const qint64 now = clock.elapsed();
        if (now > deadline) {
            setStatus(answerStarted ? ExchangeStatus::AnswerIncomplete : ExchangeStatus::NoAnswer);
            return std::nullopt;
        }
        const int waitMs = static_cast<int>(std::clamp<qint64>(deadline - now + 1, 1, LongestWaitMs));
        if (got > 0) {
            if (taken > LongestAnswerOnLine)
                std::this_thread::sleep_for(TakePause);
        } else if (transport_)
            transport_->waitReadable(waitMs);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    }
}

void hgcbox::checkAnswer(std::uint8_t answerAddress)
{
    const int length = answerFrame_[FrameOffset::Length];
    if (crc16(QByteArrayView(reinterpret_cast<const char*>(answerFrame_.data()), length)) != 0) {
        setStatus(ExchangeStatus::AnswerChecksum);
        return;
    }
    const auto expected = static_cast<std::uint8_t>(requestFrame_[FrameOffset::Function] | FrameByte::AnswerFlag);
    const bool errorReply = answerFrame_[FrameOffset::Function] != expected;
    // An error reply that ends before its error code (or, after error 60, before
    // the table's number) would have its checksum read as them: 33 01 06 01 9c c0
    // is no "Код ошибки = 156" of the controller's but a frame cut short. It is
    // an answer not received whole, status 5: the first words of its text say
    // just that, and its retry suits a line fault. The checksum did match, so
    // status 7 would send whoever reads the trace after a corrupted byte instead
    // of a short frame.
    if (errorReply && length < errorReplyLength(answerFrame_[FrameOffset::ErrorCode])) {
        setStatus(ExchangeStatus::AnswerIncomplete);
        return;
    }
    // The address is taken from a whole, intact answer only.
    settings_.address = answerAddress;
    if (errorReply)
        setStatus(ExchangeStatus::ControllerError, controllerErrorText(answerFrame_[FrameOffset::ErrorCode]));
}

void hgcbox::driveTransmitter(bool on)
{
    if (transport_->setRts(on) || rtsRefusalNoted_)
        return;
    rtsRefusalNoted_ = true;
    qCInfo(linkLog) << "the port does not control RTS; the device is expected to switch its transmitter itself";
}

void hgcbox::setStatus(ExchangeStatus status, const QString& text)
{
    status_ = status;
    if (!text.isNull())
        statusText_ = text;
    else if (status == ExchangeStatus::PortUnavailable)
        statusText_ = exchangeStatusText(status).replace(QStringLiteral("%d"), QString::number(settings_.comPort));
    else
        statusText_ = exchangeStatusText(status);
    message_ = errorMessage();
}

void hgcbox::pump()
{
    if (operator_)
        operator_->pump();
}

bool hgcbox::takeAbort()
{
    if (!abortRequested_)
        return false;
    abortRequested_ = false;
    setStatus(ExchangeStatus::Aborted);
    return true;
}

void hgcbox::showExchange(bool running)
{
    if (operator_ && settings_.statusPanel)
        operator_->setPanel(*settings_.statusPanel, running ? ExchangeText : QString());
}
