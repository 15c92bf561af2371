#include "sim/sim_line_writer.h"

#include <sys/timerfd.h>
#include <unistd.h>

namespace {
constexpr qint64 nsPerMs = 1000000;
constexpr qint64 nsPerSecond = 1000000000;
constexpr int bitsPerByte = 10; // start bit, eight data bits, stop bit
} // namespace

SimLineWriter::SimLineWriter(Sink sink, int turnaroundMs, bool pace, QObject* parent)
    : QObject(parent), sink_(std::move(sink)), turnaroundMs_(turnaroundMs), pace_(pace)
{
    clock_.start();
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    timerFired_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
    connect(timerFired_, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        if (read(timerFd_, &expirations, sizeof expirations) > 0)
            writeDue();
    });
}

SimLineWriter::~SimLineWriter()
{
    delete timerFired_;
    close(timerFd_);
}

void SimLineWriter::armTimer(qint64 inNs)
{
    // A zero time would disarm the timer: a byte already due leaves at once.
    const qint64 delay = qMax<qint64>(inNs, 1);
    itimerspec when{};
    when.it_value.tv_sec = static_cast<time_t>(delay / nsPerSecond);
    when.it_value.tv_nsec = static_cast<long>(delay % nsPerSecond);
    timerfd_settime(timerFd_, 0, &when, nullptr);
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
    if (!queue_.empty())
        armTimer(queue_.front().dueNs - now);
}
