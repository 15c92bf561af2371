#include "sim/sim_modem.h"

#include <array>
#include <cctype>
#include <utility>

namespace {
constexpr char carriageReturn = '\r';
constexpr char escapeCharacter = '+';
constexpr int escapeLength = 3;
constexpr qint64 longAgo = -1000000;
constexpr qsizetype longestCommandLine = 255; // the rest of a longer line is dropped

// Numeric forms of the result codes.
int numericCode(const QByteArray& text)
{
    static const std::array<std::pair<const char*, int>, 6> codes{
        {{"OK", 0}, {"CONNECT", 1}, {"NO CARRIER", 3}, {"ERROR", 4}, {"NO DIALTONE", 6}, {"BUSY", 7}}};
    for (const auto& [word, code] : codes)
        if (text.startsWith(word))
            return code;
    return 4;
}
} // namespace

QByteArray SimModem::result(const QByteArray& text) const
{
    if (verbal_)
        return "\r\n" + text + "\r\n";
    return QByteArray::number(numericCode(text)) + carriageReturn;
}

SimModem::Output SimModem::feed(QByteArrayView bytes, qint64 nowMs)
{
    Output out;
    for (const char byte : bytes) {
        if (online_) {
            feedOnline(byte, nowMs, out);
            lastByteMs_ = nowMs;
            continue;
        }
        lastByteMs_ = nowMs;
        if (byte == '\0' || byte == '\n')
            continue;
        if (echo_)
            out.toLine.append(byte);
        if (byte == carriageReturn) {
            command(commandLine_.trimmed().toUpper(), out);
            commandLine_.clear();
        } else if (commandLine_.size() < longestCommandLine) {
            commandLine_.append(byte);
        }
    }
    return out;
}

void SimModem::feedOnline(char byte, qint64 nowMs, Output& out)
{
    const qint64 last = lastByteMs_ < 0 ? longAgo : lastByteMs_;
    const bool guardedStart = pluses_ == 0 && nowMs - last >= settings_.guardMs;
    if (byte == escapeCharacter && pluses_ < escapeLength && (pluses_ > 0 || guardedStart)) {
        if (++pluses_ == escapeLength)
            escapeMs_ = nowMs;
        return;
    }
    out.toController.append(QByteArray(pluses_, escapeCharacter));
    pluses_ = 0;
    out.toController.append(byte);
}

SimModem::Output SimModem::poll(qint64 nowMs)
{
    Output out;
    if (online_ && pluses_ == escapeLength && nowMs - escapeMs_ >= settings_.guardMs) {
        pluses_ = 0;
        online_ = false;
        out.toLine = result("OK");
    }
    return out;
}

qint64 SimModem::nextDeadline() const
{
    return online_ && pluses_ == escapeLength ? escapeMs_ + settings_.guardMs : -1;
}

void SimModem::command(QByteArray line, Output& out)
{
    const qsizetype start = line.indexOf("AT");
    if (start < 0)
        return; // noise, or the escape sent to a modem already in command mode
    QByteArray rest = line.mid(start + 2);
    QByteArray reply;
    while (!rest.isEmpty()) {
        const char letter = rest[0];
        if (letter == '+') { // extended commands take the rest of the line
            if (rest.startsWith("+CPAS")) {
                if (!settings_.gsmReady) {
                    out.toLine += result("ERROR");
                    return;
                }
                reply += verbal_ ? "\r\n+CPAS: 0\r\n" : "+CPAS: 0\r\n";
            }
            break;
        }
        if (letter == 'D') {
            out.toLine += reply + result(settings_.dialResult);
            online_ = settings_.dialResult.startsWith("CONNECT");
            lastByteMs_ = -1;
            return;
        }
        qsizetype next = 1;
        if (letter == '&' && rest.size() > 1)
            next = 2;
        int value = 0;
        while (next < rest.size() && (std::isdigit(static_cast<unsigned char>(rest[next])) || rest[next] == '=')) {
            if (rest[next] != '=')
                value = value * 10 + (rest[next] - '0');
            ++next;
        }
        if (letter == 'E')
            echo_ = value != 0;
        else if (letter == 'V')
            verbal_ = value != 0;
        else if (letter == 'Z') {
            echo_ = true;
            verbal_ = !settings_.numericAtStart;
        }
        rest = rest.mid(next);
    }
    out.toLine += reply + result("OK");
}
