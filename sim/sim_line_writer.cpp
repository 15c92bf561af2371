#include "sim/sim_line_writer.h"

namespace {
constexpr qint64 nsPerMs = 1000000;
constexpr qint64 nsPerSecond = 1000000000;
constexpr int bitsPerByte = 10; // start bit, eight data bits, stop bit
} // namespace

SimLineWriter::SimLineWriter(Sink sink, int turnaroundMs, bool pace, QObject* parent)
    : QObject(parent), sink_(std::move(sink)), turnaroundMs_(turnaroundMs), pace_(pace)
{
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SimLineWriter::writeDue);
}

void SimLineWriter::send(const SimAnswer& answer)
{
    const qint64 byteNs = pace_ && answer.bitsPerSecond > 0 ? bitsPerByte * nsPerSecond / answer.bitsPerSecond : 0;
    qint64 due = qMax(clock_.nsecsElapsed() + turnaroundMs_ * nsPerMs, lineFreeNs_);
    for (int index = 0; index < answer.bytes.size(); ++index) {
        if (index == answer.pauseAt)
            due += answer.pauseMs * nsPerMs;
        queue_.push_back({due, answer.bytes[index]});
        due += byteNs;
    }
    lineFreeNs_ = due;
    writeDue();
}

void SimLineWriter::writeDue()
{
    const qint64 now = clock_.nsecsElapsed();
    QByteArray ready;
    while (!queue_.empty() && queue_.front().dueNs <= now) {
        ready.append(queue_.front().byte);
        queue_.pop_front();
    }
    if (!ready.isEmpty())
        sink_(ready);
    if (!queue_.empty() && !timer_.isActive())
        timer_.start(static_cast<int>((queue_.front().dueNs - now + nsPerMs - 1) / nsPerMs));
}
