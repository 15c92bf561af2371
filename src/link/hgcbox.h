#pragma once

#include "settings/link_record.h"
#include "base/operator.h"
#include "link/request_frame.h"
#include "link/transport.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The exchange engine: the one object through which the program talks to the
// controller. It builds a request frame, sends it over the link it holds (a
// serial port, directly or behind a modem, or a TCP socket), collects and
// checks the answer and leaves a status code with its text. Settings are plain
// fields that the connection code writes.
class hgcbox {
public:
    // Opens the serial port with the given number at the given bit rate
    // (8 data bits, no parity, one stop bit, DTR raised, RTS low); null when it
    // cannot be opened now.
    using PortOpener = std::function<std::unique_ptr<Transport>(int comPort, int bitRate)>;

    explicit hgcbox(std::uint8_t controllerAddress);
    ~hgcbox();
    hgcbox(const hgcbox&) = delete;
    hgcbox& operator=(const hgcbox&) = delete;

    // Sends one request with up to `attempts` attempts; true when the last one
    // succeeded. `data` and `value` fill the body as the function code lays it out.
    // While a request runs, a second one is refused with false and leaves the
    // running request's status alone.
    bool request(std::uint8_t function_code, QByteArrayView data = {}, std::uint8_t value = 0);

    // "Команда N.  text" for the last request; after the controller's error 60
    // the destroyed table's number follows.
    QString errorMessage() const;

    // Opens the serial port `com_port` through the port opener, retrying for
    // `port_open_wait_s` seconds; status 6 when it stays unavailable.
    bool openPort();

    // Where the engine takes its operator (message pump, status panel) and its ports from.
    void setOperator(Operator* person) { operator_ = person; }
    void setPortOpener(PortOpener opener) { portOpener_ = std::move(opener); }

    // The open link: a serial port (`link_kind` 0 or 1) or a connected socket (2).
    void setTransport(std::unique_ptr<Transport> transport);
    Transport* transport() const { return transport_.get(); }
    bool linkOpen() const { return transport_ != nullptr; }
    void closeLink();

    bool abort_requested = false;
    FrameBuffer request_frame{};
    FrameBuffer answer_frame{};
    LinkKind link_kind = LinkKind::Direct;
    std::uint8_t com_port = 1;
    std::int32_t port_open_wait_s = 1;
    bool open_per_request = true;
    std::uint8_t address;
    std::int32_t baud = 1200;
    std::uint8_t preambles = 0;
    std::array<std::uint8_t, 12> write_password;
    std::array<std::uint8_t, 4> user_code;
    std::int32_t inter_byte_ms = 10;
    std::int32_t answer_timeout_ms = 2000;
    std::uint8_t attempts = 2;
    QStringList status_texts;
    QStringList controller_error_texts;
    std::int32_t status = 0;
    std::optional<StatusPanel> status_panel;
    QString message;
    std::uint8_t last_function = 0;

private:
    bool exchange(int frameLength);
    bool send(int frameLength);
    // Collects the answer, keeping every byte taken from the link in `arrived`;
    // the address it came from once it is complete.
    std::optional<std::uint8_t> receive(QByteArray& arrived);
    void checkAnswer(std::uint8_t answerAddress);
    void driveTransmitter(bool on);
    // Sets the status with its text (the table's text unless one is given) and the message.
    void setStatus(int code, const QString& text = {});
    void pump();
    bool takeAbort();
    void showExchange(bool running);

    std::unique_ptr<Transport> transport_;
    PortOpener portOpener_;
    Operator* operator_ = nullptr;
    QString statusText_;
    bool running_ = false;
    bool rtsRefusalNoted_ = false;
};
