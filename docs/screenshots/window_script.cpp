#include "window_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace {

// Generous for a loaded machine; every scene ends long before on its own.
constexpr int sceneBoundMs = 30000;
constexpr int answerPeriodMs = 20;
// A window drawn with text and frames has many colours; an empty grab has one or two.
constexpr int fewestColours = 8;
constexpr int smallestSide = 40;
// The pictures are kept in the repository: the strongest compression.
constexpr int smallestPng = 0;

bool blank(const QImage& image)
{
    if (image.isNull() || image.width() < smallestSide || image.height() < smallestSide)
        return true;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
            if (colours.size() >= fewestColours)
                return false;
        }
    return true;
}

// What an unexpected window says, for the message that names it.
QString labelTexts(QWidget& window)
{
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    return texts.join(QStringLiteral(" / "));
}

void cancel(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}

} // namespace

std::function<void(QWidget&)> press(const QStringList& texts)
{
    return [texts](QWidget& window) {
        const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
        for (const QString& text : texts) {
            const auto button = std::find_if(buttons.begin(), buttons.end(), [&text](QAbstractButton* candidate) {
                return candidate->text() == text && candidate->isEnabled();
            });
            if (button == buttons.end()) {
                qWarning().noquote() << "no button" << text << "in" << window.windowTitle();
                cancel(window);
                return;
            }
            (*button)->click();
        }
    };
}

bool showsValues(QWidget& window)
{
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->frameShape() != QFrame::NoFrame && !label->text().isEmpty();
    });
}

WindowScript::WindowScript(const QDir& output) : output_(output)
{
    timer_.setInterval(answerPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &WindowScript::answer);
}

bool WindowScript::play(const QString& scene, const std::function<void()>& start, const QList<ScriptStep>& steps)
{
    steps_ = steps;
    next_ = 0;
    error_.clear();
    bool returned = false;
    QTimer::singleShot(0, this, [&] {
        start();
        returned = true;
    });
    deadline_.setRemainingTime(sceneBoundMs);
    timer_.start();
    // The command's windows run their own event loops; answer() watches the time inside them.
    while (!(returned && (next_ == steps_.size() || !error_.isEmpty())))
        QApplication::processEvents(QEventLoop::AllEvents, answerPeriodMs);
    timer_.stop();
    if (!error_.isEmpty())
        error_ = scene + ": " + error_;
    return error_.isEmpty();
}

bool WindowScript::picture(QWidget& window, const QString& image)
{
    return save(window.grab().toImage(), image, window.windowTitle());
}

bool WindowScript::save(const QImage& picture, const QString& image, const QString& what)
{
    if (blank(picture)) {
        fail(QStringLiteral("the picture of \"%1\" is blank").arg(what));
        return false;
    }
    if (!picture.save(output_.filePath(image), "PNG", smallestPng)) {
        fail(QStringLiteral("%1 could not be written").arg(output_.filePath(image)));
        return false;
    }
    return true;
}

void WindowScript::answer()
{
    if (deadline_.hasExpired())
        fail(next_ < steps_.size() ? QStringLiteral("the window \"%1\" did not come up").arg(steps_[next_].caption)
                                   : QStringLiteral("the command did not end"));
    if (!error_.isEmpty()) {
        closeModalWindows();
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (!window || window == answered_)
        return;
    // A window is pictured on the tick after it came up, once it has laid out and filled itself.
    if (window != appeared_) {
        appeared_ = window;
        if (next_ < steps_.size() && steps_[next_].size.isValid())
            window->resize(steps_[next_].size);
        return;
    }
    if (next_ < steps_.size() && steps_[next_].ready && !steps_[next_].ready(*window))
        return;
    answered_ = window;
    if (next_ == steps_.size() || !window->windowTitle().contains(steps_[next_].caption)) {
        fail(QStringLiteral("the window \"%1\" (%2) came up instead of \"%3\"")
                 .arg(window->windowTitle(), labelTexts(*window),
                      next_ < steps_.size() ? steps_[next_].caption : QStringLiteral("none")));
        return;
    }
    const ScriptStep step = steps_[next_++];
    if (!step.image.isEmpty() && !picture(*window, step.image))
        return;
    // The window is left from the event loop, not from inside this tick: leaving may open the next one.
    QTimer::singleShot(0, window, [window, act = step.act] { act ? act(*window) : cancel(*window); });
}

void WindowScript::fail(const QString& text)
{
    if (error_.isEmpty())
        error_ = text;
}

void WindowScript::closeModalWindows()
{
    if (QWidget* window = QApplication::activeModalWidget())
        QTimer::singleShot(0, window, [window] { cancel(*window); });
}
