#include "forms/tformmain.h"

#include "app/app_state.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
constexpr int linkPanelWidth = 180;
constexpr int addressPanelWidth = 300;
constexpr int transientPanelMargin = 55; // room left for the exchange panel

QLabel* makePanel(QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumHeight(panel->fontMetrics().height() + 6);
    return panel;
}

// A one-panel bar shown above the status bar.
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

TFormMain::TFormMain(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setWindowTitle(QStringLiteral("gqc_Monitor"));
    setCentralWidget(new QWidget(this));
    buildStatusBars();

    // Until a controller is connected the menu offers nothing.
    menuBar()->hide();

    const CurrentSettings& current = state_.settings.settings.current;
    setGeometry(current.windowLeft, current.windowTop, current.windowWidth, current.windowHeight);
}

void TFormMain::buildStatusBars()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (StatusPanel panel : {StatusPanel::Link, StatusPanel::Address, StatusPanel::Transient, StatusPanel::Exchange}) {
        panels_[panel] = makePanel(bar);
        bar->addWidget(panels_[panel], panel == StatusPanel::Exchange ? 1 : 0);
    }
    panels_[StatusPanel::Link]->setFixedWidth(linkPanelWidth);
    panels_[StatusPanel::Address]->setFixedWidth(addressPanelWidth);

    modemClock_ = makePanel(bar);
    modemClock_->hide();
    bar->addWidget(modemClock_);

    auto* central = centralWidget();
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    secondBar_ = makeBar(central, panels_[StatusPanel::Subscriber]);
    thirdBar_ = makeBar(central, panels_[StatusPanel::Modem]);
    layout->addWidget(secondBar_);
    layout->addWidget(thirdBar_);
}

void TFormMain::setPanelText(StatusPanel panel, const QString& text)
{
    panels_.value(panel)->setText(text);
    if (panel == StatusPanel::Subscriber)
        secondBar_->setVisible(!text.isEmpty());
    else if (panel == StatusPanel::Modem)
        thirdBar_->setVisible(!text.isEmpty());
}

QString TFormMain::panelText(StatusPanel panel) const { return panels_.value(panel)->text(); }

void TFormMain::fitTransientPanel()
{
    const int width = statusBar()->width() - linkPanelWidth - addressPanelWidth - transientPanelMargin;
    panels_[StatusPanel::Transient]->setFixedWidth(std::max(width, 0));
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fitTransientPanel();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitTransientPanel();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    state_.closeDown();
    event->accept();
}
