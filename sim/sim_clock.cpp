#include "sim/sim_clock.h"

SimClock::SimClock(const QDateTime& start)
{
    set(start);
}

QDateTime SimClock::now() const
{
    return running_ ? base_.addMSecs(sinceBase_.elapsed()) : base_;
}

void SimClock::set(const QDateTime& moment)
{
    base_ = wallTime(moment);
    sinceBase_.start();
    running_ = true;
}

void SimClock::hold(const QDateTime& moment)
{
    base_ = wallTime(moment);
    running_ = false;
}

void SimClock::shift(int seconds)
{
    base_ = base_.addSecs(seconds);
}

QDateTime SimClock::wallTime(const QDateTime& moment)
{
    return QDateTime(moment.date(), moment.time(), Qt::UTC);
}
