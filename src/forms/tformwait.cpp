#include "forms/tformwait.h"

#include "base/wait_texts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TFormWait::TFormWait(WaitMode mode, int maximum, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), bar_(new QProgressBar(this))
{
    setFixedSize(332, 126);
    auto* layout = new QVBoxLayout(this);
    for (const QString& text : waitModeLines(mode)) {
        auto* line = new QLabel(text, this);
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    bar_->setRange(0, maximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
}

void TFormWait::setPosition(int position)
{
    bar_->setValue(position);
}

int TFormWait::position() const
{
    return bar_->value();
}

void TFormWait::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
