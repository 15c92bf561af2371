#include "forms/live_values_window.h"

#include "forms/live_refresh.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString StopText = QStringLiteral("Не обновлять данные");
const QString ResumeText = QStringLiteral("Обновлять данные");

QLabel* cell(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

} // namespace

LiveValuesWindow::LiveValuesWindow(RequestContext context, const QString& caption, const QString& timeCaption,
                                   const QStringList& rows, bool zones, QWidget* parent)
    : QDialog(parent), context_(context), refresh_(new LiveRefresh(*this, [this] { tick(); }))
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    header_ = new QGridLayout;
    header_->addWidget(new QLabel(timeCaption, this), 0, 0);
    time_ = cell(QStringLiteral("time"), this);
    header_->addWidget(time_, 0, 1);
    layout->addLayout(header_);
    auto* grid = new QGridLayout;
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(rows[row], this), row, 0);
        values_.push_back(cell(QStringLiteral("value%1").arg(row), this));
        grid->addWidget(values_.back(), row, 1);
        if (zones) {
            zones_.push_back(cell(QStringLiteral("zone%1").arg(row), this));
            grid->addWidget(zones_.back(), row, 2);
        }
    }
    layout->addLayout(grid);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    toggle_ = new QPushButton(StopText, this);
    toggle_->setObjectName(QStringLiteral("toggle"));
    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    buttons->addWidget(toggle_);
    buttons->addStretch();
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(toggle_, &QPushButton::clicked, this, &LiveValuesWindow::toggleUpdating);
    connect(exit, &QPushButton::clicked, this, &LiveValuesWindow::reject);
}

void LiveValuesWindow::reject()
{
    if (refresh_->closeNow())
        QDialog::reject();
}

bool LiveValuesWindow::proceed()
{
    return refresh_->proceed();
}

void LiveValuesWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    toggle_->setText(StopText);
    refresh_->start();
}

void LiveValuesWindow::toggleUpdating()
{
    const bool on = !refresh_->updating();
    refresh_->setUpdating(on);
    toggle_->setText(on ? StopText : ResumeText);
}
