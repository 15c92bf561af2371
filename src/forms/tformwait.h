#pragma once

#include "base/operator.h"

#include <QDialog>

class QProgressBar;

// The progress window of long transfers: three lines chosen by the mode above a
// progress bar; no buttons, closed by the caller.
class TFormWait : public QDialog {
    Q_OBJECT
public:
    TFormWait(WaitMode mode, int maximum, QWidget* parent = nullptr);

    void setPosition(int position);
    int position() const;

protected:
    // Closed by the transfer that opened it, never by Escape or the title bar:
    // Escape is the transfer's to take.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* bar_;
};
