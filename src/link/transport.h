#pragma once

#include <QByteArray>

// A byte pipe to the controller: a serial port or a TCP socket, a fake in tests.
// The exchange engine owns one handed to it from outside and never creates its own.
class Transport {
public:
    virtual ~Transport() = default;

    virtual bool setBitRate(int bitsPerSecond) = 0;
    virtual void purge() = 0;
    virtual bool setRts(bool on) = 0; // false where the device has no such line
    virtual bool write(const QByteArray& bytes) = 0;
    virtual int readAvailable(char* into, int max) = 0; // never blocks; -1 once the link has failed
    virtual bool waitReadable(int milliseconds) = 0;    // blocks at most that long
};
