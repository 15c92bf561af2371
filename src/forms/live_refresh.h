#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QDialog;

// The refresh cycle of a window that keeps the controller's current values in
// view. The timer is single-shot: a tick stops it first, runs its reads and
// starts it again only if updating is still on, so a tick never starts while a
// read of the previous one is in flight. Between its reads a tick calls
// proceed(), which lets the window see the update toggle and "Выход".
// A close asked for during a tick closes the window once the tick's read has
// unwound; the timer is never started again after it.
class LiveRefresh : public QObject {
    Q_OBJECT
public:
    static constexpr int PeriodMs = 1000;

    // `tick` runs one round of reads; `window` is the dialog the cycle belongs to.
    LiveRefresh(QDialog& window, std::function<void()> tick, int periodMs = PeriodMs);

    // Updating on and the first tick a period away.
    void start();
    // The update toggle: off stops the timer (a tick under way ends after its
    // current read), on starts it again.
    void setUpdating(bool on);
    bool updating() const { return updating_; }
    // A sub-window is in front: no tick until resume(), which starts the timer
    // again when updating is on.
    void pause();
    void resume();

    // Before each read of a tick: processes pending events; true when the tick
    // may go on (updating on, no close asked for).
    bool proceed();

    // The window wants to close. True when it may do so now; false when a tick
    // is under way: the window is closed (rejected) as soon as the tick ends.
    bool closeNow();
    bool ticking() const { return ticking_; }

private:
    void onTimeout();
    void restartIfUpdating();

    QDialog& window_;
    std::function<void()> tick_;
    QTimer timer_;
    bool updating_ = false;
    bool paused_ = false;
    bool ticking_ = false;
    bool closing_ = false;
};
