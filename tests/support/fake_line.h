#pragma once

#include "link/transport.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <deque>
#include <memory>

// A scripted controller line for the engine. Each request written to it starts
// the next scripted answer: chunks of bytes that become readable at given times
// after the write. Everything the engine does to the line is recorded with its
// time. The line outlives the transports the engine holds and drops.
class FakeLine {
public:
    struct Chunk {
        int atMs; // after the request was written
        QByteArray bytes;
    };
    enum class Action { Rts, BitRate, Purge, Write, Closed };
    struct Event {
        Action action;
        qint64 atNs;   // since the line was made
        int value = 0; // RTS on/off, bit rate
        QByteArray bytes;
    };

    FakeLine();

    // The next request is answered by `bytes`, all at `atMs`...
    void answer(const QByteArray& bytes, int atMs = 0);
    // ...or byte by byte, the first at `firstMs`, then one every `gapMs`...
    void answerBytewise(const QByteArray& bytes, int firstMs, int gapMs);
    // ...or by nothing at all.
    void staySilent();
    // Bytes that are waiting on the line now, asked for or not.
    void arriveNow(const QByteArray& bytes) { readable_ += bytes; }

    bool rtsSupported = true;
    bool writeFails = false;
    bool readFails = false;

    std::unique_ptr<Transport> connect();

    const QList<Event>& events() const { return events_; }
    QList<QByteArray> writes() const;
    QList<Event> eventsOf(Action action) const;
    int openTransports() const { return open_; }

private:
    friend class FakeTransport;
    qint64 now() const { return clock_.nsecsElapsed(); }
    void record(Action action, int value = 0, const QByteArray& bytes = {});
    void onWrite(const QByteArray& bytes);
    void onPurge();
    int read(char* into, int max);
    bool wait(int milliseconds);

    QElapsedTimer clock_;
    std::deque<QList<Chunk>> script_;
    QList<Chunk> pending_; // the answer being delivered, times relative to `answerStartNs_`
    qint64 answerStartNs_ = 0;
    QByteArray readable_;
    QList<Event> events_;
    int open_ = 0;
};
