#include "forms/main_status_bars.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
constexpr int linkPanelWidth = 180;
constexpr int addressPanelWidth = 300;
constexpr int exchangePanelRoom = 55;

QLabel* makePanel(QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumHeight(panel->fontMetrics().height() + 6);
    return panel;
}

QWidget* makeBar(QWidget* parent, QLabel*& panel)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 0, 2, 0);
    panel = makePanel(bar);
    layout->addWidget(panel);
    bar->hide();
    return bar;
}
} // namespace

MainStatusBars::MainStatusBars(QMainWindow& window) : QObject(&window), window_(window)
{
    QStatusBar* bar = window.statusBar();
    bar->setSizeGripEnabled(false);
    for (StatusPanel panel : {StatusPanel::Link, StatusPanel::Address, StatusPanel::Transient, StatusPanel::Exchange}) {
        panels_[panel] = makePanel(bar);
        bar->addWidget(panels_[panel], panel == StatusPanel::Exchange ? 1 : 0);
    }
    panels_[StatusPanel::Link]->setFixedWidth(linkPanelWidth);
    panels_[StatusPanel::Address]->setFixedWidth(addressPanelWidth);

    QWidget* central = window.centralWidget();
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    subscriberBar_ = makeBar(central, panels_[StatusPanel::Subscriber]);
    modemBar_ = makeBar(central, panels_[StatusPanel::Modem]);
    layout->addWidget(subscriberBar_);
    layout->addWidget(modemBar_);
}

void MainStatusBars::setText(StatusPanel panel, const QString& text)
{
    panels_.value(panel)->setText(text);
    if (panel == StatusPanel::Subscriber)
        subscriberBar_->setVisible(!text.isEmpty());
    else if (panel == StatusPanel::Modem)
        modemBar_->setVisible(!text.isEmpty());
}

QString MainStatusBars::text(StatusPanel panel) const
{
    return panels_.value(panel)->text();
}

void MainStatusBars::fitTransientPanel()
{
    const int width = window_.statusBar()->width() - linkPanelWidth - addressPanelWidth - exchangePanelRoom;
    panels_[StatusPanel::Transient]->setFixedWidth(std::max(width, 0));
}

int MainStatusBars::top() const
{
    for (const QWidget* bar : {subscriberBar_, modemBar_})
        if (bar->isVisible())
            return bar->mapTo(&window_, QPoint(0, 0)).y();
    return window_.statusBar()->y();
}
