#pragma once

#include <QByteArray>

// One reply line of a modem, assembled byte by byte as it arrives.
//
// What comes before the first CR or LF is the echo of the command and is
// skipped, unless it is a bare number: a modem that gives numeric result codes
// with its echo off answers "0" CR and nothing more. From the first CR or LF on
// (which is kept), the line runs until a CR or LF that follows some text, so
// that a numeric code right after the echo ("ATE0" CR "0" CR) ends a line as
// well as a verbal one (CR LF "OK" CR LF) does; a line is cut at 255 bytes.
class ModemReplyLine {
public:
    static constexpr int MaxLength = 255;

    // Takes the next byte; true once the line is complete.
    bool feed(char byte);
    bool complete() const { return complete_; }
    // The line from its first CR or LF (or from its numeric code) on.
    const QByteArray& text() const { return line_; }

private:
    QByteArray line_;
    QByteArray leadingDigits_; // before the first CR or LF, while nothing else came
    bool echoSeen_ = false;    // something other than digits came before the first CR or LF
    bool started_ = false;
    bool hasText_ = false;
    bool complete_ = false;
};
