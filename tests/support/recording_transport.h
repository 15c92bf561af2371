#pragma once

#include "link/transport.h"

#include <QByteArray>
#include <QList>
#include <memory>

// What a program put on a line, kept by the test beyond the transport's life.
struct LineRecord {
    QList<QByteArray> writes;
    int rtsChanges = 0;

    int countOf(const QByteArray& bytes) const { return static_cast<int>(writes.count(bytes)); }
    bool wrote(const QByteArray& prefix) const;
};

// A transport that passes everything to another one and notes what was written.
class RecordingTransport : public Transport {
public:
    RecordingTransport(std::unique_ptr<Transport> line, LineRecord& record) : line_(std::move(line)), record_(record) {}

    bool setBitRate(int bitsPerSecond) override { return line_->setBitRate(bitsPerSecond); }
    void purge() override { line_->purge(); }
    bool setRts(bool on) override;
    bool write(const QByteArray& bytes) override;
    int readAvailable(char* into, int max) override { return line_->readAvailable(into, max); }
    bool waitReadable(int milliseconds) override { return line_->waitReadable(milliseconds); }

private:
    std::unique_ptr<Transport> line_;
    LineRecord& record_;
};
