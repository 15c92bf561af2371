#pragma once

#include "link/exchange_texts.h"
#include "link/request_frame.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QLoggingCategory>
#include <QString>

// The frame trace for support: one line for every request frame the engine
// writes and one for what each attempt got back, with the bytes in hex. It is
// off unless the category "gqc.link.frames" is enabled for debug messages
// (QT_LOGGING_RULES="gqc.link.frames.debug=true", or a FrameTraceFile).
Q_DECLARE_LOGGING_CATEGORY(frameTraceLog)
inline constexpr char FrameTraceCategory[] = "gqc.link.frames";

// The bytes one attempt took from the link, kept for the trace only while it is
// on. A peer that streams noise must not grow it: beyond a few frames' worth the
// oldest bytes are dropped and only counted.
class ArrivedBytes {
public:
    static constexpr qsizetype Kept = 2 * std::tuple_size_v<FrameBuffer>;

    void append(char byte);
    QByteArrayView kept() const { return kept_; }
    qint64 dropped() const { return dropped_; }
    qint64 total() const { return dropped_ + kept_.size(); }

private:
    QByteArray kept_;
    qint64 dropped_ = 0;
};

// What one attempt got back from the link.
struct AnswerAttempt {
    const ArrivedBytes& arrived; // every byte taken from the link, skipped ones included
    QByteArrayView frame;        // the answer as the receiver completed it; empty when it never was
    ExchangeStatus status;       // the engine's status after the attempt
    QString message;             // the engine's "Команда N.  text" for that status
};

// "2025-03-05 14:30:00.123 -> addr 1 code 0x01 len 10: cc 01 0a 01 ...": the
// header read from the frame (the whole frame, at least its four header bytes),
// then its bytes; preambles sent ahead are counted.
QString requestTraceLine(const QDateTime& at, QByteArrayView frame, int preambles);

// "... <- addr 1 code 0x81 len 14, status 0 "Команда 1.  Команда выполнена": 33 01 ...":
// the header of the completed answer (an error reply adds its error code), or
// what is missing, then the status and every byte that arrived.
QString answerTraceLine(const QDateTime& at, const AnswerAttempt& attempt);

// The lines above into the category, stamped now; nothing is formatted while
// it is off. `answer` is null when the attempt completed none.
void traceRequest(const FrameBuffer& frame, int length, int preambles);
void traceAnswer(const ArrivedBytes& arrived, const FrameBuffer* answer, ExchangeStatus status, const QString& message);
// Whether the trace is on: the engine keeps the arrived bytes only then.
bool frameTraceOn();
