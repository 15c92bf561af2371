#include "sim/sim_frame_parser.h"

#include "crc/crc16.h"

QList<QByteArray> SimFrameParser::feed(QByteArrayView bytes, qint64 nowMs)
{
    if (!pending_.isEmpty() && nowMs - lastByteMs_ > frameGapMs)
        pending_.clear();
    if (!bytes.isEmpty())
        lastByteMs_ = nowMs;
    pending_.append(bytes.data(), bytes.size());

    QList<QByteArray> frames;
    for (;;) {
        const qsizetype start = pending_.indexOf(static_cast<char>(startSymbol));
        if (start < 0) {
            pending_.clear();
            break;
        }
        pending_.remove(0, start);
        if (pending_.size() < 3)
            break;
        const int length = static_cast<std::uint8_t>(pending_[2]);
        if (length < shortestFrame) {
            pending_.remove(0, 1);
            continue;
        }
        if (pending_.size() < length)
            break;
        if (crc16(QByteArrayView(pending_).first(length)) == 0) {
            frames.append(pending_.first(length));
            pending_.remove(0, length);
        } else {
            pending_.remove(0, 1);
        }
    }
    return frames;
}
