#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// The controller's clock: a wall-clock moment (held with the UTC time spec, so that no
// local time-zone rule of the host moves it) that runs on from where it was last set.
class SimClock {
public:
    explicit SimClock(const QDateTime& start);

    QDateTime now() const;
    void set(const QDateTime& moment);
    // Stops the clock at the moment: it stands there until set again (a test's fixed point in time).
    void hold(const QDateTime& moment);
    void shift(int seconds);

    // A moment read from text or from the host's clock, as the controller holds it.
    static QDateTime wallTime(const QDateTime& moment);

private:
    QDateTime base_;
    QElapsedTimer sinceBase_;
    bool running_ = true;
};
