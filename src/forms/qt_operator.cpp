#include "forms/qt_operator.h"

#include "forms/main_status_bars.h"
#include "forms/tformmain.h"
#include "forms/tformmessage.h"
#include "forms/tformwait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <chrono>
#include <thread>

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

namespace {

using namespace std::chrono_literals;

constexpr auto FullBarInView = 500ms;
constexpr auto FullBarPumpInterval = 10ms;

// What a person does with the mouse, the keyboard, a pen or a finger.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool isEscapePress(const QEvent* event)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

} // namespace

bool QtOperator::message(MessageKind kind, const QString& line1, const QString& line2)
{
    if (interrupting())
        return false;
    discardPendingInput();
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

void QtOperator::showProgressComplete()
{
    QElapsedTimer clock;
    clock.start();
    while (!interrupting() && std::chrono::milliseconds(clock.elapsed()) < FullBarInView) {
        pump();
        std::this_thread::sleep_for(FullBarPumpInterval);
    }
}

void QtOperator::endProgress()
{
    delete wait_;
    window_.setEnabled(true);
}

void QtOperator::pump()
{
    discardPendingInput();
    if (abortWait_)
        abortWait_();
}

void QtOperator::discardPendingInput()
{
    ++waiting_;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --waiting_;
}

void QtOperator::interrupt(std::function<void()> abortWait)
{
    abortWait_ = std::move(abortWait);
}

void QtOperator::endInterrupt()
{
    abortWait_ = nullptr;
}

void QtOperator::setEscapeAllowed(bool allowed)
{
    escapeAllowed_ = allowed;
    if (!allowed)
        escapePressed_ = false;
}

bool QtOperator::takeEscape()
{
    const bool pressed = escapePressed_ || interrupting();
    escapePressed_ = false;
    return pressed;
}

std::optional<QString> QtOperator::chooseFile(const FileChoice& choice)
{
    QString filter = choice.chosenFilter;
    const QString path =
        choice.mode == FileChoice::Mode::Open
            ? QFileDialog::getOpenFileName(&window_, choice.title, choice.directory, choice.filter, &filter)
            // The procedure asks itself, once the extension is added, before it replaces a file.
            : QFileDialog::getSaveFileName(&window_, choice.title, choice.directory + '/' + choice.proposedName,
                                           choice.filter, &filter, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtOperator::eventFilter(QObject* watched, QEvent* event)
{
    if (escapeAllowed_ && isEscapePress(event))
        escapePressed_ = true;
    // A dialog closed under a waiting procedure would leave it writing into a
    // window the operator has dismissed; the main window defers its own close.
    const bool dialogClose = event->type() == QEvent::Close && watched != &window_ && watched->isWidgetType();
    if (waiting_ > 0 && (isUserInput(event->type()) || dialogClose)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
