#pragma once

#include "base/operator.h"

#include <QObject>
#include <QPointer>

class TFormMain;
class TFormWait;

// The operator as the desktop program meets them: real dialogs, the main
// window's status panels, the busy cursor, the progress window, and Escape
// caught application-wide while a long read allows it.
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
    void endProgress() override;
    void pump() override;
    void setEscapeAllowed(bool allowed) override;
    bool takeEscape() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormMain& window_;
    QPointer<TFormWait> wait_;
    int busyDepth_ = 0;
    bool escapeAllowed_ = false;
    bool escapePressed_ = false;
};
