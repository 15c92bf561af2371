#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>

// Finds request frames in the bytes arriving on the controller's line: preambles and
// other noise before the start symbol are skipped, a frame is taken when its announced
// length has arrived and its checksum holds, and a frame left unfinished for longer
// than a pause between requests is dropped.
class SimFrameParser {
public:
    static constexpr std::uint8_t startSymbol = 0xCC;
    static constexpr int shortestFrame = 6;
    static constexpr qint64 frameGapMs = 200;

    QList<QByteArray> feed(QByteArrayView bytes, qint64 nowMs);

private:
    QByteArray pending_;
    qint64 lastByteMs_ = 0;
};
