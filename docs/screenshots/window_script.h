#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>
#include <functional>

class QImage;
class QWidget;

// One modal window a scene of the guide goes through: the caption it must
// show, the picture it is saved as, and how the operator leaves it.
struct ScriptStep {
    QString caption;                          // a part of the window's caption
    QString image;                            // file name of its picture; empty: not pictured
    std::function<void(QWidget&)> act;        // runs once pictured; empty: the window is cancelled
    QSize size = {};                          // the size it is pictured at; empty: its own
    std::function<bool(QWidget&)> ready = {}; // pictured once this holds; empty: at once
};

// Whether a window of current values shows them: its framed value cells are filled by its first read.
bool showsValues(QWidget& window);

// Clicks the buttons with these texts in turn: choices, then the one that leaves the window.
std::function<void(QWidget&)> press(const QStringList& texts);

// Plays the scenes of the guide on the real windows: starts a command, answers
// the modal windows it opens in the order the steps give and saves their pictures.
class WindowScript : public QObject {
public:
    explicit WindowScript(const QDir& output);

    // Runs `start` and the steps; false, with error() naming the window, when a
    // window did not come up in time, an unexpected one did, or a picture was blank.
    bool play(const QString& scene, const std::function<void()>& start, const QList<ScriptStep>& steps);
    // Saves the picture of a window that is up now.
    bool picture(QWidget& window, const QString& image);
    // Saves a picture made otherwise; `what` names it when it is blank.
    bool save(const QImage& picture, const QString& image, const QString& what);
    QString error() const { return error_; }

private:
    void answer();
    void fail(const QString& text);
    void closeModalWindows();

    QDir output_;
    QTimer timer_;
    QDeadlineTimer deadline_;
    QList<ScriptStep> steps_;
    qsizetype next_ = 0;
    QPointer<QWidget> answered_;
    QPointer<QWidget> appeared_;
    QString error_;
};
