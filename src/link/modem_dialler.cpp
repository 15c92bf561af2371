#include "link/modem_dialler.h"

#include "base/text_contains.h"
#include "base/windows1251.h"
#include "link/modem_reply_line.h"
#include "link/modem_results.h"

#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace {

// A wait for modem bytes ends at once when a byte arrives, and after this long
// at the latest, so the user interface is pumped often and no processor spins.
constexpr qint64 LongestWaitMs = 10;
// The modem takes a command only after the purge has settled.
constexpr auto BeforeCommand = std::chrono::milliseconds(2);

const QByteArray EscapeSequence = "+++";
const QByteArray EchoOff = "ATE0\r";
const QByteArray VerbalResults = "ATV1\r";
const QByteArray HangUpCommand = "ath\r";
// The GSM status query goes out as nine bytes: the command, CR and a zero byte.
const QByteArray GsmStatusQuery("AT+CPAS\r\0", 9);

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool holdsOk(QByteArrayView reply)
{
    return textContains(reply, "OK") || textContains(reply, "ok");
}

// Anything a modem says in command mode: an echo, OK in either form, or an empty line.
bool recognisedByWakeUp(QByteArrayView reply)
{
    for (const QByteArrayView sign : {"AT", "at", "OK", "ok", "\r\n", "0"}) {
        if (textContains(reply, sign))
            return true;
    }
    return false;
}

// A command or reply as the panel shows it: without its line ends.
QString displayText(QByteArrayView bytes)
{
    return fromWindows1251(bytes).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).trimmed();
}

// Each command starts at an "AT" (in any case) and runs to the next "^" or the
// end; text between a "^" and the next "AT" is dropped.
QList<QByteArray> initialisationCommands(const QString& initialisation)
{
    const QByteArray text = toWindows1251(initialisation);
    const QByteArray capitals = text.toUpper();
    QList<QByteArray> commands;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype start = capitals.indexOf("AT", from);
        if (start < 0)
            break;
        qsizetype end = text.indexOf('^', start);
        if (end < 0)
            end = text.size();
        commands.append(text.mid(start, end - start) + '\r');
        from = end;
    }
    return commands;
}

QByteArray dialCommand(const QString& number)
{
    QByteArray digits = toWindows1251(number);
    digits.removeIf([](char c) { return c == ' ' || c == '-' || c == '(' || c == ')'; });
    return "ATD" + digits + '\r';
}

} // namespace

// Escape is taken while the dialler waits for the modem, and forgotten after.
class ModemDialler::EscapeWindow {
public:
    explicit EscapeWindow(ModemDialler& dialler) : dialler_(dialler)
    {
        if (dialler_.escapeDepth_++ == 0)
            dialler_.person_.setEscapeAllowed(true);
    }
    ~EscapeWindow()
    {
        if (--dialler_.escapeDepth_ == 0)
            dialler_.person_.setEscapeAllowed(false);
    }
    EscapeWindow(const EscapeWindow&) = delete;
    EscapeWindow& operator=(const EscapeWindow&) = delete;

private:
    ModemDialler& dialler_;
};

ModemDialler::ModemDialler(Transport& port, Operator& person, std::optional<StatusPanel> panel, ModemTimings timings)
    : port_(port), person_(person), panel_(panel), timings_(timings)
{
}

ModemReply ModemDialler::modemCommand(const QByteArray& command, int timeoutMs)
{
    const EscapeWindow escape(*this);
    return runCommand(command, timeoutMs, Shown::OnPanel);
}

int ModemDialler::modemWakeUp()
{
    const EscapeWindow escape(*this);
    const int wait = timings_.wakeUpReplyMs;
    ModemReply reply = runCommand(EchoOff, wait, Shown::OnPanel);
    if (reply.result != DialResult::Connected && reply.result != DialResult::ModemTimeout)
        return reply.result;

    // A modem that does not answer may be on line: the escape sequence brings it
    // back to command mode.
    enum class Step { Escape, EchoOff, VerbalResults };
    Step step =
        reply.result == DialResult::Connected && recognisedByWakeUp(reply.text) ? Step::VerbalResults : Step::Escape;
    bool escapeAnswered = false;
    for (int pass = 1;; ++pass) {
        switch (step) {
        case Step::Escape:
            pause(timings_.escapeGuardMs);
            reply = runCommand(EscapeSequence, wait, Shown::Quietly);
            if (reply.result == DialResult::ModemTimeout)
                return DialResult::NoModem;
            if (reply.result != DialResult::Connected)
                return reply.result;
            escapeAnswered = recognisedByWakeUp(reply.text);
            [[fallthrough]];
        case Step::EchoOff:
            pause(timings_.escapeGuardMs);
            reply = runCommand(EchoOff, wait, Shown::Quietly);
            if (reply.result != DialResult::Connected)
                return reply.result;
            // Even a modem that answers goes on to verbal results: one that was
            // left on line with numeric results would answer the dialling in digits.
            [[fallthrough]];
        case Step::VerbalResults:
            reply = runCommand(VerbalResults, wait, Shown::OnPanel);
            if (reply.result != DialResult::Connected || recognisedByWakeUp(reply.text))
                return reply.result;
        }
        // A modem that stays unclear after two passes is dialled all the same;
        // the dialling then tells what is wrong.
        if (pass == 2)
            return DialResult::Connected;
        step = escapeAnswered ? Step::EchoOff : Step::Escape;
    }
}

bool ModemDialler::checkGsmReady()
{
    const EscapeWindow escape(*this);
    return gsmReadiness() == DialResult::Connected;
}

int ModemDialler::Dial(const QString& number, const QString& initialisation, int attempts, int connectWaitS)
{
    const EscapeWindow escape(*this);
    if (const int woken = modemWakeUp(); woken != DialResult::Connected)
        return woken;
    const QList<QByteArray> commands = initialisationCommands(initialisation);
    const QByteArray dial = dialCommand(number);
    pause(timings_.beforeDialMs);
    const int timeoutMs = std::clamp(connectWaitS, 0, std::numeric_limits<int>::max() / 1000) * 1000;

    int result = DialResult::NotConnected;
    for (int round = 0; round < std::max(attempts, 1); ++round) {
        result = attempt(commands, dial, timeoutMs);
        // The operator's Escape ends the dialling, not just the attempt it broke off.
        if (result == DialResult::Connected || result == DialResult::GsmNotReady || result == DialResult::Interrupted)
            break;
    }
    return result;
}

void ModemDialler::hangUp()
{
    const EscapeWindow escape(*this);
    pause(timings_.hangUpGuardMs);
    runCommand(EscapeSequence, timings_.hangUpReplyMs, Shown::Quietly);
    runCommand(HangUpCommand, timings_.hangUpReplyMs, Shown::Quietly);
}

int ModemDialler::attempt(const QList<QByteArray>& initialisation, const QByteArray& dial, int timeoutMs)
{
    for (const QByteArray& initCommand : initialisation) {
        pump();
        const ModemReply reply = runCommand(initCommand, timeoutMs, Shown::OnPanel);
        pause(timings_.afterCommandMs);
        if (reply.result != DialResult::Connected)
            return reply.result;
        if (!holdsOk(reply.text))
            return DialResult::NotConnected;
    }
    if (const int gsm = gsmReadiness(); gsm != DialResult::Connected)
        return gsm;
    const ModemReply reply = runCommand(dial, timeoutMs, Shown::OnPanel);
    if (reply.result != DialResult::Connected)
        return reply.result;
    // CONNECT, whatever the modem adds to it.
    if (!textContains(reply.text, "ONNE") && !textContains(reply.text, "onne"))
        return DialResult::NotConnected;
    pause(timings_.afterCommandMs);
    return DialResult::Connected;
}

ModemReply ModemDialler::runCommand(const QByteArray& command, int timeoutMs, Shown shown)
{
    const bool onPanel = shown == Shown::OnPanel;
    if (onPanel) {
        show(QStringLiteral(" Установление связи по телефону. Команда %1.").arg(displayText(command)));
        pump();
    }
    port_.purge();
    pump();
    std::this_thread::sleep_for(BeforeCommand);
    // A command that never left cannot be answered.
    if (!port_.write(command))
        return {DialResult::ModemTimeout, {}};
    ModemReply reply = readReply(timeoutMs);
    if (reply.result == DialResult::ModemTimeout)
        return reply;
    if (onPanel)
        show(QStringLiteral(" Установление связи по телефону. Команда %1.  Ответ %2")
                 .arg(displayText(command), displayText(reply.text)));
    reply.result = classifyModemReply(reply.text);
    return reply;
}

ModemReply ModemDialler::readReply(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    ModemReplyLine line;
    while (true) {
        pump();
        if (person_.takeEscape())
            return {DialResult::Interrupted, EscapeReply.toByteArray()};
        char byte = 0;
        const bool got = port_.readAvailable(&byte, 1) == 1;
        if (got && line.feed(byte))
            return {DialResult::Connected, line.text()};
        const qint64 remaining = timeoutMs - clock.elapsed();
        if (remaining <= 0)
            return {DialResult::ModemTimeout, {}};
        if (!got)
            port_.waitReadable(static_cast<int>(std::min(remaining, LongestWaitMs)));
    }
}

int ModemDialler::gsmReadiness()
{
    show(QStringLiteral(" Проверка готовности GSM. Команда AT+CPAS"));
    port_.purge();
    if (!port_.write(GsmStatusQuery))
        return DialResult::GsmNotReady;
    ModemReply reply = readReply(timings_.gsmReplyMs);
    if (reply.result == DialResult::Interrupted)
        return reply.result;
    if (reply.result != DialResult::Connected)
        return DialResult::GsmNotReady;
    show(QStringLiteral(" Проверка готовности GSM. Команда AT+CPAS. Ответ %1").arg(displayText(reply.text)));
    if (!textContains(reply.text, "+CPAS: 0"))
        return DialResult::GsmNotReady;
    reply = readReply(timings_.gsmReplyMs);
    if (reply.result == DialResult::Interrupted)
        return reply.result;
    return reply.result == DialResult::Connected && textContains(reply.text, "OK") ? DialResult::Connected
                                                                                   : DialResult::GsmNotReady;
}

void ModemDialler::show(const QString& text)
{
    if (panel_)
        person_.setPanel(*panel_, text);
}

void ModemDialler::pump()
{
    person_.pump();
}
