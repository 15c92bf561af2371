#pragma once

#include "base/operator.h"

#include <QObject>
#include <QPointer>
#include <functional>

class TFormMain;
class TFormWait;

// The operator as the desktop program meets them: real dialogs, the main
// window's status panels, the busy cursor, the progress window, and Escape
// caught application-wide while a long read allows it.
//
// While the core waits on the controller or the modem (inside pump()) the
// window repaints, but clicks and keys are dropped, not deferred: a Return
// pressed during a wait must not confirm the next dialog, and a click must not
// start a second command in the middle of the first. Escape alone reaches the
// waiting procedure.
class QtOperator : public QObject, public Operator {
    Q_OBJECT
public:
    explicit QtOperator(TFormMain& window);
    ~QtOperator() override;

    bool message(MessageKind kind, const QString& line1, const QString& line2 = {}) override;
    void setPanel(StatusPanel panel, const QString& text) override;
    void setBusy(bool busy) override;
    void beginProgress(WaitMode mode, int maximum) override;
    void setProgress(int position) override;
    // Keeps the full bar in view for half a second, the window repainting.
    void showProgressComplete() override;
    void endProgress() override;
    void pump() override;
    void setEscapeAllowed(bool allowed) override;
    // Drops the clicks and keys that arrived while nothing was processing them.
    void discardPendingInput();

    // The window is closing while a command runs: every wait of that command
    // ends through `abortWait`, questions are answered "Нет" unseen and Escape
    // counts as pressed, so the command unwinds at once.
    void interrupt(std::function<void()> abortWait);
    void endInterrupt();
    bool interrupting() const { return static_cast<bool>(abortWait_); }
    bool takeEscape() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormMain& window_;
    QPointer<TFormWait> wait_;
    std::function<void()> abortWait_;
    int busyDepth_ = 0;
    int waiting_ = 0; // depth of pump() calls: input is dropped while above 0
    bool escapeAllowed_ = false;
    bool escapePressed_ = false;
};
