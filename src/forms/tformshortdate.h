#pragma once

#include "tables/archive_period.h"

#include <QDialog>
#include <QList>

class Operator;
class PeriodMemory;
class QButtonGroup;
class QDateEdit;
class QSpinBox;

// The period of an archive reading: a preset counted back from the controller's
// time or a given period, checked against the archive's oldest and newest records.
// The choice and a given period are kept in `memory` for the next opening.
class TFormShortDate : public QDialog {
    Q_OBJECT
public:
    TFormShortDate(PeriodMode mode, const ArchiveBounds& bounds, const DateStamp& now, PeriodMemory& memory,
                   Operator& person, QWidget* parent = nullptr);

    // The accepted period, clamped to the archive; its stamps hold the mode's
    // unit and above (minute, hour or day), finer fields 0.
    Period period() const { return period_; }

private:
    struct StampFields {
        QDateEdit* date = nullptr;
        QSpinBox* hour = nullptr;
        QSpinBox* minute = nullptr;
    };

    StampFields addStampFields(const QString& objectPrefix);
    PeriodOption chosenOption() const;
    void showChoice(PeriodOption option);
    static void showStamp(const StampFields& fields, const DateStamp& stamp);
    static DateStamp typedStamp(const StampFields& fields);
    void store();

    PeriodMode mode_;
    ArchiveBounds bounds_;
    DateStamp now_;
    PeriodMemory& memory_;
    Operator& person_;
    QList<PeriodOption> options_;
    QButtonGroup* choice_ = nullptr;
    QWidget* periodFields_ = nullptr;
    StampFields start_;
    StampFields end_;
    Period period_;
};
