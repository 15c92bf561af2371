#pragma once

#include "link/transport.h"

#include <QByteArrayView>

// The controller's side of a link played from a fuzz input: the input's bytes
// arrive one after the other whatever the engine writes, and a purge drops none
// of them (as if they all came after it), so that a second attempt still has
// bytes to read. The line itself never fails.
class FuzzLine : public Transport {
public:
    explicit FuzzLine(QByteArrayView arriving) : arriving_(arriving) {}

    // Every byte has been read.
    bool drained() const { return next_ == arriving_.size(); }

    bool setBitRate(int) override { return true; }
    void purge() override {}
    bool setRts(bool) override { return true; }
    bool write(const QByteArray&) override { return true; }
    int readAvailable(char* into, int max) override;
    bool waitReadable(int) override { return !drained(); }

private:
    QByteArrayView arriving_;
    qsizetype next_ = 0;
};
