#include "forms/tformshortdate.h"

#include "base/operator.h"
#include "tables/period_memory.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int centuryBase = 2000;

QSpinBox* spinField(int highest, const QString& name, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setRange(0, highest);
    field->setObjectName(name);
    return field;
}

} // namespace

TFormShortDate::TFormShortDate(PeriodMode mode, const ArchiveBounds& bounds, const DateStamp& now, PeriodMemory& memory,
                               Operator& person, QWidget* parent)
    : QDialog(parent), mode_(mode), bounds_(bounds), now_(now), memory_(memory), person_(person),
      options_(periodOptions(mode))
{
    setWindowTitle(QStringLiteral("Ввод периода времени запрашиваемых данных"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(oldestRecordText(mode, bounds.oldest), this));
    layout->addWidget(new QLabel(newestRecordText(mode, bounds.newest), this));

    auto* choiceBox = new QGroupBox(QStringLiteral(" Задание периода"), this);
    auto* choiceLayout = new QVBoxLayout(choiceBox);
    choice_ = new QButtonGroup(this);
    for (int i = 0; i < options_.size(); ++i) {
        auto* button = new QRadioButton(periodOptionText(options_[i]), choiceBox);
        choice_->addButton(button, i);
        choiceLayout->addWidget(button);
    }
    layout->addWidget(choiceBox);

    periodFields_ = new QWidget(this);
    auto* fields = new QFormLayout(periodFields_);
    start_ = addStampFields(QStringLiteral("start"));
    end_ = addStampFields(QStringLiteral("end"));
    for (const auto& [label, stamp] :
         {std::pair{QStringLiteral("Начало периода"), start_}, std::pair{QStringLiteral("Конец периода"), end_}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(stamp.date);
        if (stamp.hour) {
            row->addWidget(stamp.hour);
            row->addWidget(new QLabel(stamp.minute ? QStringLiteral(":") : QStringLiteral("ч"), periodFields_));
        }
        if (stamp.minute)
            row->addWidget(stamp.minute);
        row->addStretch();
        fields->addRow(label, row);
    }
    layout->addWidget(periodFields_);

    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    accept->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(choice_, &QButtonGroup::idClicked, this, [this](int id) { showChoice(options_[id]); });
    connect(accept, &QPushButton::clicked, this, &TFormShortDate::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const PeriodOption remembered = memory.option(mode);
    choice_->button(static_cast<int>(options_.indexOf(remembered)))->setChecked(true);
    showChoice(remembered);
}

TFormShortDate::StampFields TFormShortDate::addStampFields(const QString& objectPrefix)
{
    StampFields fields;
    fields.date = new QDateEdit(periodFields_);
    fields.date->setObjectName(objectPrefix + QStringLiteral("Date"));
    fields.date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    fields.date->setDateRange(QDate(centuryBase, 1, 1), QDate(centuryBase + 99, 12, 31));
    fields.date->setCalendarPopup(true);
    if (mode_ != PeriodMode::Daily)
        fields.hour = spinField(23, objectPrefix + QStringLiteral("Hour"), periodFields_);
    if (mode_ == PeriodMode::FiveMinute)
        fields.minute = spinField(59, objectPrefix + QStringLiteral("Minute"), periodFields_);
    return fields;
}

PeriodOption TFormShortDate::chosenOption() const
{
    const int id = choice_->checkedId();
    return id >= 0 ? options_[id] : PeriodOption::Given;
}

void TFormShortDate::showChoice(PeriodOption option)
{
    const bool given = option == PeriodOption::Given;
    // Before a period is given in this run, the fields start from the mode's first preset.
    const Period shown = given ? memory_.givenPeriodOr(presetPeriod(mode_, options_.front(), now_).value())
                               : presetPeriod(mode_, option, now_).value();
    periodFields_->setEnabled(given);
    showStamp(start_, shown.start);
    showStamp(end_, shown.end);
}

void TFormShortDate::showStamp(const StampFields& fields, const DateStamp& stamp)
{
    fields.date->setDate(QDate(centuryBase + stamp.year, stamp.month, stamp.day));
    if (fields.hour)
        fields.hour->setValue(stamp.hour);
    if (fields.minute)
        fields.minute->setValue(stamp.minute);
}

DateStamp TFormShortDate::typedStamp(const StampFields& fields)
{
    const QDate date = fields.date->date();
    return {date.year() - centuryBase,
            date.month(),
            date.day(),
            fields.hour ? fields.hour->value() : 0,
            fields.minute ? fields.minute->value() : 0,
            0};
}

void TFormShortDate::store()
{
    const PeriodOption option = chosenOption();
    const Period requested = option == PeriodOption::Given ? Period{typedStamp(start_), typedStamp(end_)}
                                                           : presetPeriod(mode_, option, now_).value();
    const PeriodAcceptance result = acceptPeriod(mode_, requested, bounds_);
    if (result.problem) {
        person_.message(MessageKind::InputError, result.problem->line1, result.problem->line2);
        return;
    }
    memory_.rememberOption(mode_, option);
    if (option == PeriodOption::Given)
        memory_.rememberGiven(result.period);
    period_ = result.period;
    accept();
}
