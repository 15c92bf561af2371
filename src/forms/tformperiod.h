#pragma once

#include "logs/log_period_choice.h"

#include <QDialog>

class Operator;
class QButtonGroup;
class QDateTimeEdit;

// What the log period dialog keeps for its next opening in one run.
struct LogPeriodMemory {
    LogPeriodChoice choice = LogPeriodChoice::LastHour;
    std::optional<Period> given;
};

// The period of a log reading: the last hour or day up to the PC's time, or a
// given period; an end earlier than the start is refused.
class TFormPeriod : public QDialog {
    Q_OBJECT
public:
    TFormPeriod(const QDateTime& pcNow, LogPeriodMemory& memory, Operator& person, QWidget* parent = nullptr);

    Period period() const { return period_; }

    // Checks the fields; the dialog closes only on what passed.
    void accept() override;

private:
    void showChoice(LogPeriodChoice choice);
    QDateTime pcNow_;
    LogPeriodMemory& memory_;
    Operator& person_;
    QButtonGroup* choice_ = nullptr;
    QDateTimeEdit* start_ = nullptr;
    QDateTimeEdit* end_ = nullptr;
    Period period_;
};
