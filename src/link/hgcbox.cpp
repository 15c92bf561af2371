#include "link/hgcbox.h"

#include "link/answer_receiver.h"
#include "crc/crc16.h"
#include "link/exchange_texts.h"
#include "link/frame_trace.h"
#include "link/serial_line_settings.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QScopedValueRollback>
#include <algorithm>
#include <chrono>
#include <thread>

Q_LOGGING_CATEGORY(linkLog, "gqc.link")

namespace {

using namespace std::chrono_literals;

// The engine waits for answer bytes in blocking slices: a wait ends at once when
// a byte arrives, at the next time-out, or after this long, so the user interface
// is pumped at least a hundred times a second and no processor is kept spinning.
constexpr qint64 LongestWaitMs = 10;
constexpr auto TransmitterLead = 2ms;     // RTS raised before the first bit
constexpr auto PortSettle = 100ms;        // after a port is opened
constexpr auto PortReleasePause = 150ms;  // after a port opened for one request is closed
constexpr auto EthernetSendPause = 500ms; // before every request over TCP
constexpr auto PortOpenRetryPause = 50ms; // between attempts to open a busy port
constexpr int BitsPerByte = 10;           // start bit, 8 data bits, stop bit
constexpr std::uint8_t DestroyedTableError = 60;

const QString ExchangeText = QStringLiteral("Обмен...");

// Sleeps until `clock` has run `duration`.
void pauseUntil(const QElapsedTimer& clock, std::chrono::nanoseconds duration)
{
    const auto remaining = duration - std::chrono::nanoseconds(clock.nsecsElapsed());
    if (remaining > 0ns)
        std::this_thread::sleep_for(remaining);
}

} // namespace

hgcbox::hgcbox(std::uint8_t controllerAddress)
    : address(controllerAddress), status_texts(exchangeStatusTexts()), controller_error_texts(controllerErrorTexts()),
      statusText_(status_texts[ExchangeStatus::Done])
{
    write_password.fill(' ');
    user_code.fill(' ');
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

bool hgcbox::request(std::uint8_t function_code, QByteArrayView data, std::uint8_t value)
{
    if (running_)
        return false;
    const QScopedValueRollback guard(running_, true);
    if (takeAbort())
        return false;

    last_function = function_code;
    setStatus(ExchangeStatus::Done);
    const std::optional<int> length =
        buildRequestFrame(request_frame, address, function_code, data, value, {write_password, user_code});
    if (!length) {
        setStatus(ExchangeStatus::BadFunctionCode);
        return false;
    }
    if (open_per_request && !openPort())
        return false;

    showExchange(true);
    // No attempt at all would report a request that was never sent as done.
    const int tries = std::max<int>(attempts, 1);
    for (int attempt = 0; attempt < tries; ++attempt) {
        // An abort ends the request, not just the attempt it interrupted.
        if (takeAbort() || exchange(*length) || status == ExchangeStatus::Aborted)
            break;
    }
    showExchange(false);

    if (open_per_request) {
        closeLink();
        std::this_thread::sleep_for(PortReleasePause);
    }
    abort_requested = false;
    return status == ExchangeStatus::Done;
}

QString hgcbox::errorMessage() const
{
    QString text = QStringLiteral("Команда %1.  %2").arg(last_function).arg(statusText_);
    if (status == ExchangeStatus::ControllerError && answer_frame[FrameOffset::ErrorCode] == DestroyedTableError)
        text += QStringLiteral(" %1").arg(answer_frame[FrameOffset::DestroyedTable]);
    return text;
}

bool hgcbox::openPort()
{
    closeLink();
    QElapsedTimer clock;
    clock.start();
    const auto window = std::chrono::milliseconds(std::int64_t{port_open_wait_s} * 1000);
    std::unique_ptr<Transport> port;
    while (portOpener_ && std::chrono::milliseconds(clock.elapsed()) < window) {
        port = portOpener_(com_port, baud);
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
    if (request_frame[0] != FrameByte::RequestStart) {
        setStatus(ExchangeStatus::BadStartSymbol);
        return false;
    }
    if (!send(frameLength))
        return false;
    traceRequest(request_frame, frameLength, preambles);

    std::fill(answer_frame.begin(), answer_frame.end() - 1, 0);
    setStatus(ExchangeStatus::Done);
    QByteArray arrived;
    const std::optional<std::uint8_t> answerAddress = receive(arrived);
    if (answerAddress)
        checkAnswer(*answerAddress);
    traceAnswer(arrived, answerAddress ? &answer_frame : nullptr, status, message);

    if (link_kind != LinkKind::Ethernet && transport_)
        transport_->purge();
    return status == ExchangeStatus::Done;
}

bool hgcbox::send(int frameLength)
{
    QByteArray bytes(preambles, static_cast<char>(FrameByte::Preamble));
    bytes.append(reinterpret_cast<const char*>(request_frame.data()), frameLength);

    if (link_kind == LinkKind::Ethernet) {
        std::this_thread::sleep_for(EthernetSendPause);
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
    transport_->setBitRate(baud);
    transport_->purge();
    // On a direct line the PC switches the RS-485 transmitter itself: on before
    // the first bit, off as soon as the last one is out, so that the controller's
    // answer is not cut off.
    const bool direct = link_kind == LinkKind::Direct;
    if (direct) {
        driveTransmitter(true);
        std::this_thread::sleep_for(TransmitterLead);
    }
    QElapsedTimer clock;
    clock.start();
    const std::chrono::nanoseconds transmitTime(std::int64_t{bytes.size() + 1} * BitsPerByte * 1'000'000'000 /
                                                clampBitRate(baud));
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

std::optional<std::uint8_t> hgcbox::receive(QByteArray& arrived)
{
    AnswerReceiver receiver(request_frame, answer_frame, address);
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = 0;
    while (true) {
        pump();
        if (takeAbort())
            return std::nullopt;
        char byte = 0;
        const int got = transport_ ? transport_->readAvailable(&byte, 1) : 0;
        if (got < 0 && link_kind == LinkKind::Ethernet) {
            setStatus(ExchangeStatus::EthernetReceiveFailed);
            return std::nullopt;
        }
        if (got > 0) {
            arrived.append(byte);
            if (receiver.feed(static_cast<std::uint8_t>(byte)))
                return receiver.address();
            lastByteAt = clock.elapsed();
        }
        // Before the address: the wait for the answer; after it: the gap between bytes.
        const bool answerStarted = receiver.position() >= 2;
        const qint64 deadline = answerStarted ? lastByteAt + inter_byte_ms : qint64{answer_timeout_ms};
        const qint64 now = clock.elapsed();
        if (now > deadline) {
            setStatus(answerStarted ? ExchangeStatus::AnswerIncomplete : ExchangeStatus::NoAnswer);
            return std::nullopt;
        }
        if (got > 0)
            continue;
        const int waitMs = static_cast<int>(std::clamp<qint64>(deadline - now + 1, 1, LongestWaitMs));
        if (transport_)
            transport_->waitReadable(waitMs);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    }
}

void hgcbox::checkAnswer(std::uint8_t answerAddress)
{
    const int length = answer_frame[FrameOffset::Length];
    if (crc16(QByteArrayView(reinterpret_cast<const char*>(answer_frame.data()), length)) != 0) {
        setStatus(ExchangeStatus::AnswerChecksum);
        return;
    }
    // The address is taken from a whole, intact answer only.
    address = answerAddress;
    const auto expected = static_cast<std::uint8_t>(request_frame[FrameOffset::Function] | FrameByte::AnswerFlag);
    if (answer_frame[FrameOffset::Function] != expected)
        setStatus(ExchangeStatus::ControllerError,
                  controllerErrorText(controller_error_texts, answer_frame[FrameOffset::ErrorCode]));
}

void hgcbox::driveTransmitter(bool on)
{
    if (transport_->setRts(on) || rtsRefusalNoted_)
        return;
    rtsRefusalNoted_ = true;
    qCInfo(linkLog) << "the port does not control RTS; the device is expected to switch its transmitter itself";
}

void hgcbox::setStatus(int code, const QString& text)
{
    status = code;
    if (!text.isNull())
        statusText_ = text;
    else if (code == ExchangeStatus::PortUnavailable)
        statusText_ = QString(status_texts.value(code)).replace(QStringLiteral("%d"), QString::number(com_port));
    else
        statusText_ = status_texts.value(code);
    message = errorMessage();
}

void hgcbox::pump()
{
    if (operator_)
        operator_->pump();
}

bool hgcbox::takeAbort()
{
    if (!abort_requested)
        return false;
    abort_requested = false;
    setStatus(ExchangeStatus::Aborted);
    return true;
}

void hgcbox::showExchange(bool running)
{
    if (operator_ && status_panel)
        operator_->setPanel(*status_panel, running ? ExchangeText : QString());
}
