#pragma once

#include "tables/archive_period.h"

#include <QDate>
#include <QDialog>

class Operator;
class QDateEdit;

// "Чтение данных для создания отчета": the day archive's oldest and newest
// days, and the gas day of the report picked within them. A day outside them
// is refused and the dialog stays open.
class TFormRepCreate : public QDialog {
    Q_OBJECT
public:
    TFormRepCreate(const ArchiveBounds& bounds, const QDate& preset, Operator& person, QWidget* parent = nullptr);

    // The accepted day.
    QDate day() const;

private:
    void acceptDay();

    ArchiveBounds bounds_;
    Operator& person_;
    QDateEdit* day_ = nullptr;
};
