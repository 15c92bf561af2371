#include "forms/live_refresh.h"

#include <QCoreApplication>
#include <QDialog>

LiveRefresh::LiveRefresh(QDialog& window, std::function<void()> tick, int periodMs)
    : QObject(&window), window_(window), tick_(std::move(tick))
{
    timer_.setSingleShot(true);
    timer_.setInterval(periodMs);
    connect(&timer_, &QTimer::timeout, this, &LiveRefresh::onTimeout);
}

void LiveRefresh::start()
{
    updating_ = true;
    closing_ = false;
    restartIfUpdating();
}

void LiveRefresh::setUpdating(bool on)
{
    updating_ = on;
    if (on)
        restartIfUpdating();
    else
        timer_.stop();
}

void LiveRefresh::pause()
{
    paused_ = true;
    timer_.stop();
}

void LiveRefresh::resume()
{
    paused_ = false;
    restartIfUpdating();
}

bool LiveRefresh::proceed()
{
    QCoreApplication::processEvents();
    return updating_ && !closing_;
}

bool LiveRefresh::closeNow()
{
    closing_ = true;
    timer_.stop();
    return !ticking_;
}

void LiveRefresh::onTimeout()
{
    if (ticking_ || closing_)
        return;
    ticking_ = true;
    if (proceed())
        tick_();
    ticking_ = false;
    if (closing_) {
        window_.reject();
        return;
    }
    restartIfUpdating();
}

void LiveRefresh::restartIfUpdating()
{
    if (updating_ && !paused_ && !closing_ && !ticking_)
        timer_.start();
}
