#pragma once

#include "logs/log_bounds.h"
#include "logs/log_kind.h"

#include <QDialog>

class Operator;
class QButtonGroup;
class QLineEdit;

// The range of a log reading by index: the whole log, its last 100, 50 or 10
// records, or a given first index and count, checked against the log's
// bounds. The choice is kept in `remembered` for the next opening.
class TFormIndex : public QDialog {
    Q_OBJECT
public:
    TFormIndex(LogKind kind, const LogBounds& bounds, IndexChoice& remembered, Operator& person,
               QWidget* parent = nullptr);

    IndexRange range() const { return range_; }

    // Checks the fields; the dialog closes only on what passed.
    void accept() override;

private:
    void showChoice(IndexChoice choice);
    LogBounds bounds_;
    IndexChoice& remembered_;
    Operator& person_;
    QButtonGroup* choice_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* count_ = nullptr;
    IndexRange range_;
};
