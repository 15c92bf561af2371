#include "forms/qt_operator.h"

#include "forms/main_status_bars.h"
#include "forms/tformmain.h"
#include "forms/tformmessage.h"
#include "forms/tformwait.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>

QtOperator::QtOperator(TFormMain& window) : window_(window)
{
    qApp->installEventFilter(this);
}

QtOperator::~QtOperator()
{
    qApp->removeEventFilter(this);
    while (busyDepth_-- > 0)
        QApplication::restoreOverrideCursor();
    delete wait_;
}

bool QtOperator::message(MessageKind kind, const QString& line1, const QString& line2)
{
    return TFormMessage::ask(kind, line1, line2, &window_);
}

void QtOperator::setPanel(StatusPanel panel, const QString& text)
{
    window_.statusBars().setText(panel, text);
}

void QtOperator::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void QtOperator::beginProgress(WaitMode mode, int maximum)
{
    delete wait_;
    wait_ = new TFormWait(mode, maximum, &window_);
    window_.setEnabled(false);
    wait_->setEnabled(true);
    wait_->show();
    pump();
}

void QtOperator::setProgress(int position)
{
    if (wait_)
        wait_->setPosition(position);
}

void QtOperator::endProgress()
{
    delete wait_;
    window_.setEnabled(true);
}

void QtOperator::pump()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtOperator::setEscapeAllowed(bool allowed)
{
    escapeAllowed_ = allowed;
    if (!allowed)
        escapePressed_ = false;
}

bool QtOperator::takeEscape()
{
    const bool pressed = escapePressed_;
    escapePressed_ = false;
    return pressed;
}

std::optional<QString> QtOperator::chooseFile(const FileChoice& choice)
{
    const QString path = choice.mode == FileChoice::Mode::Open
                             ? QFileDialog::getOpenFileName(&window_, choice.title, choice.directory, choice.filter)
                             : QFileDialog::getSaveFileName(
                                   &window_, choice.title, choice.directory + '/' + choice.proposedName, choice.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtOperator::eventFilter(QObject* watched, QEvent* event)
{
    if (escapeAllowed_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        escapePressed_ = true;
    return QObject::eventFilter(watched, event);
}
