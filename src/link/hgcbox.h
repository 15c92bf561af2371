#pragma once

#include "base/operator.h"
#include "link/exchange_settings.h"
#include "link/exchange_texts.h"
#include "link/request_frame.h"
#include "link/transport.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The exchange engine: the one object through which the program talks to the
// controller. It builds a request frame, sends it over the link it holds (a
// serial port, directly or behind a modem, or a TCP socket), collects and
// checks the answer and leaves a status with its text. Its settings are one
// value (`ExchangeSettings`) that the connection code hands over at once; the
// engine itself changes only the address, which it learns from the answer to a
// request sent to 0xFF.
class ArrivedBytes;

class hgcbox {
public:
    // Opens the serial port with the given number at the given bit rate
    // (8 data bits, no parity, one stop bit, DTR raised, RTS low); null when it
    // cannot be opened now.
    using PortOpener = std::function<std::unique_ptr<Transport>(int comPort, int bitRate)>;

    // Default settings with the given controller address.
    explicit hgcbox(std::uint8_t controllerAddress);
    ~hgcbox();
    hgcbox(const hgcbox&) = delete;
    hgcbox& operator=(const hgcbox&) = delete;

    // Sends one request with up to `attempts` attempts; true when the last one
    // succeeded. `data` and `value` fill the body as the function code lays it out.
    // While a request runs, a second one is refused with false and leaves the
    // running request's status alone.
    bool request(std::uint8_t functionCode, QByteArrayView data = {}, std::uint8_t value = 0);

    // "Команда N.  text" for the last request; after the controller's error 60
    // the destroyed table's number follows.
    QString errorMessage() const;

    // Opens the serial port `comPort` through the port opener, retrying for
    // `portOpenWaitS` seconds; PortUnavailable when it stays unavailable.
    bool openPort();

    // The settings in force, with the address as last learnt. New settings
    // replace all of them at once; the open link stays as it is (a new port
    // number takes effect at the next openPort(), a new bit rate with the next request).
    const ExchangeSettings& settings() const { return settings_; }
    void setSettings(const ExchangeSettings& settings) { settings_ = settings; }
    // The controller address put into the next request.
    std::uint8_t address() const { return settings_.address; }

    // Where the engine takes its operator (message pump, status panel) and its ports from.
    void setOperator(Operator* person) { operator_ = person; }
    void setPortOpener(PortOpener opener) { portOpener_ = std::move(opener); }

    // The open link: a serial port (link kind Direct or Modem) or a connected socket (Ethernet).
    void setTransport(std::unique_ptr<Transport> transport);
    Transport* transport() const { return transport_.get(); }
    bool linkOpen() const { return transport_ != nullptr; }
    void closeLink();

    // Stops the running exchange, or the next one, with Aborted; the engine
    // clears the request when it has acted on it.
    void requestAbort() { abortRequested_ = true; }
    bool abortRequested() const { return abortRequested_; }

    // The outcome of the last request, kept until the next one.
    ExchangeStatus status() const { return status_; }
    // Its composed text: errorMessage() as it was when the status was set.
    const QString& message() const { return message_; }
    std::uint8_t lastFunction() const { return lastFunction_; }
    // The last request as sent, from the start symbol to the last checksum byte.
    const FrameBuffer& requestFrame() const { return requestFrame_; }
    // The last answer as received; after a successful request the caller reads its body here.
    const FrameBuffer& answerFrame() const { return answerFrame_; }

private:
    bool exchange(int frameLength);
    bool send(int frameLength);
    // Collects the answer, keeping every byte taken from the link in `arrived`;
    // the address it came from once it is complete.
    std::optional<std::uint8_t> receive(ArrivedBytes& arrived);
    void checkAnswer(std::uint8_t answerAddress);
    void driveTransmitter(bool on);
    // Sets the status with its text (the status's own text unless one is given) and the message.
    void setStatus(ExchangeStatus status, const QString& text = {});
    void pump();
    bool takeAbort();
    void showExchange(bool running);

    ExchangeSettings settings_;
    bool abortRequested_ = false;
    FrameBuffer requestFrame_{};
    FrameBuffer answerFrame_{};
    ExchangeStatus status_ = ExchangeStatus::Done;
    QString statusText_;
    QString message_;
    std::uint8_t lastFunction_ = 0;

    std::unique_ptr<Transport> transport_;
    PortOpener portOpener_;
    Operator* operator_ = nullptr;
    bool running_ = false;
    bool rtsRefusalNoted_ = false;
};
