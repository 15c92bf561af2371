#include "forms/tformrepcreate.h"

#include "base/operator.h"
#include "reports/report_day_choice.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormRepCreate::TFormRepCreate(const ArchiveBounds& bounds, const QDate& preset, Operator& person, QWidget* parent)
    : QDialog(parent), bounds_(bounds), person_(person)
{
    setWindowTitle(QStringLiteral("Чтение данных для создания отчета"));
    resize(408, 190);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(oldestRecordText(PeriodMode::Daily, bounds.oldest), this));
    layout->addWidget(new QLabel(newestRecordText(PeriodMode::Daily, bounds.newest), this));

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(new QLabel(QStringLiteral("Создать суточный отчет за"), this));
    day_ = new QDateEdit(preset, this);
    day_->setObjectName(QStringLiteral("day"));
    day_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    day_->setCalendarPopup(true);
    day_->setDateRange(earliestReportDay(), latestReportDay());
    dayRow->addWidget(day_);
    layout->addLayout(dayRow);

    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    accept->setDefault(true);
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, &TFormRepCreate::acceptDay);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QDate TFormRepCreate::day() const
{
    return day_->date();
}

void TFormRepCreate::acceptDay()
{
    if (const InputCheck problem = reportDayProblem(day(), bounds_)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    accept();
}
