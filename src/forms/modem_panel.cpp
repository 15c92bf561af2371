#include "forms/modem_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ModemPanel::ModemPanel(QWidget* parent) : QWidget(parent), clock_(new QLabel(this))
{
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    clock_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(clock_);
    auto* hangUp = new QPushButton(QStringLiteral("Отключить связь"), this);
    layout->addWidget(hangUp);
    connect(hangUp, &QPushButton::clicked, this, &ModemPanel::disconnectRequested);
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &ModemPanel::tick);
    hide();
}

void ModemPanel::start()
{
    since_.start();
    tick();
    ticker_.start();
    adjustSize();
    show();
    raise();
}

void ModemPanel::stop()
{
    ticker_.stop();
    hide();
}

QString ModemPanel::clockText() const
{
    return clock_->text();
}

void ModemPanel::tick()
{
    const qint64 seconds = since_.isValid() ? since_.elapsed() / 1000 : 0;
    clock_->setText(QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60));
}
