#include "support/fake_line.h"

#include <chrono>
#include <thread>

class FakeTransport : public Transport {
public:
    explicit FakeTransport(FakeLine& line) : line_(line) { ++line_.open_; }
    ~FakeTransport() override
    {
        --line_.open_;
        line_.record(FakeLine::Action::Closed);
    }

    bool setBitRate(int bitsPerSecond) override
    {
        line_.record(FakeLine::Action::BitRate, bitsPerSecond);
        return true;
    }
    void purge() override { line_.onPurge(); }
    bool setRts(bool on) override
    {
        line_.record(FakeLine::Action::Rts, on ? 1 : 0);
        return line_.rtsSupported;
    }
    bool write(const QByteArray& bytes) override
    {
        line_.record(FakeLine::Action::Write, 0, bytes);
        if (line_.writeFails)
            return false;
        line_.onWrite(bytes);
        return true;
    }
    int readAvailable(char* into, int max) override { return line_.readFails ? -1 : line_.read(into, max); }
    bool waitReadable(int milliseconds) override { return line_.wait(milliseconds); }

private:
    FakeLine& line_;
};

FakeLine::FakeLine()
{
    clock_.start();
}

void FakeLine::answer(const QByteArray& bytes, int atMs)
{
    script_.push_back({Chunk{atMs, bytes}});
}

void FakeLine::answerBytewise(const QByteArray& bytes, int firstMs, int gapMs)
{
    QList<Chunk> chunks;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        chunks.append(Chunk{firstMs + static_cast<int>(i) * gapMs, bytes.mid(i, 1)});
    script_.push_back(chunks);
}

void FakeLine::staySilent()
{
    script_.push_back({});
}

std::unique_ptr<Transport> FakeLine::connect()
{
    return std::make_unique<FakeTransport>(*this);
}

QList<QByteArray> FakeLine::writes() const
{
    QList<QByteArray> result;
    for (const Event& event : events_) {
        if (event.action == Action::Write)
            result.append(event.bytes);
    }
    return result;
}

QList<FakeLine::Event> FakeLine::eventsOf(Action action) const
{
    QList<Event> result;
    for (const Event& event : events_) {
        if (event.action == action)
            result.append(event);
    }
    return result;
}

void FakeLine::record(Action action, int value, const QByteArray& bytes)
{
    events_.append(Event{action, now(), value, bytes});
}

void FakeLine::onWrite(const QByteArray&)
{
    pending_.clear();
    answerStartNs_ = now();
    if (!script_.empty()) {
        pending_ = script_.front();
        script_.pop_front();
    }
}

void FakeLine::onPurge()
{
    record(Action::Purge);
    readable_.clear();
}

int FakeLine::read(char* into, int max)
{
    const qint64 elapsedMs = (now() - answerStartNs_) / 1'000'000;
    while (!pending_.isEmpty() && pending_.first().atMs <= elapsedMs)
        readable_ += pending_.takeFirst().bytes;
    const int count = std::min<int>(max, static_cast<int>(readable_.size()));
    std::copy_n(readable_.constData(), count, into);
    readable_.remove(0, count);
    return count;
}

bool FakeLine::wait(int milliseconds)
{
    if (!readable_.isEmpty())
        return true;
    qint64 sleepNs = std::int64_t{milliseconds} * 1'000'000;
    if (!pending_.isEmpty())
        sleepNs = std::min(sleepNs, std::max<qint64>(0, answerStartNs_ + pending_.first().atMs * 1'000'000LL - now()));
    std::this_thread::sleep_for(std::chrono::nanoseconds(sleepNs));
    return !pending_.isEmpty() && answerStartNs_ + pending_.first().atMs * 1'000'000LL <= now();
}
