#include "forms/tformperiod.h"

#include "archives/archive_stamps.h"
#include "base/operator.h"

#include "forms/table_dialog_parts.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const std::pair<LogPeriodChoice, const char*> Choices[] = {
    {LogPeriodChoice::LastHour, "За последний час"},
    {LogPeriodChoice::LastDay, "За последние сутки"},
    {LogPeriodChoice::Given, "Заданный период"},
};

QDateTime momentOf(const DateStamp& stamp)
{
    return QDateTime(QDate(2000 + stamp.year, stamp.month, stamp.day), QTime(stamp.hour, stamp.minute, stamp.second));
}

QDateTimeEdit* stampField(const QString& name, QWidget* parent)
{
    auto* field = new QDateTimeEdit(parent);
    field->setObjectName(name);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    field->setCalendarPopup(true);
    return field;
}

} // namespace

TFormPeriod::TFormPeriod(const QDateTime& pcNow, LogPeriodMemory& memory, Operator& person, QWidget* parent)
    : QDialog(parent), pcNow_(pcNow), memory_(memory), person_(person)
{
    setObjectName(QStringLiteral("TFormPeriod"));
    setWindowTitle(QStringLiteral("Ввод периода времени запрашиваемых данных"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral(" Задание периода"), this);
    auto* groupLayout = new QVBoxLayout(group);
    choice_ = new QButtonGroup(this);
    for (const auto& [value, text] : Choices) {
        auto* button = new QRadioButton(QString::fromUtf8(text), group);
        choice_->addButton(button, static_cast<int>(value));
        groupLayout->addWidget(button);
    }
    layout->addWidget(group);
    auto* fields = new QFormLayout;
    start_ = stampField(QStringLiteral("start"), this);
    end_ = stampField(QStringLiteral("end"), this);
    fields->addRow(QStringLiteral("Начало"), start_);
    fields->addRow(QStringLiteral("Конец"), end_);
    layout->addLayout(fields);
    layout->addLayout(acceptCancelRow(*this, [this] { accept(); }));
    connect(choice_, &QButtonGroup::idClicked, this, [this](int id) { showChoice(static_cast<LogPeriodChoice>(id)); });
    choice_->button(static_cast<int>(memory.choice))->setChecked(true);
    showChoice(memory.choice);
}

void TFormPeriod::showChoice(LogPeriodChoice choice)
{
    const Period shown =
        choice == LogPeriodChoice::Given && memory_.given
            ? *memory_.given
            : presetLogPeriod(choice == LogPeriodChoice::Given ? LogPeriodChoice::LastHour : choice, pcNow_);
    start_->setDateTime(momentOf(shown.start));
    end_->setDateTime(momentOf(shown.end));
    const bool given = choice == LogPeriodChoice::Given;
    start_->setEnabled(given);
    end_->setEnabled(given);
}

void TFormPeriod::accept()
{
    const auto choice = static_cast<LogPeriodChoice>(choice_->checkedId());
    const Period typed{stampOf(start_->dateTime()), stampOf(end_->dateTime())};
    if (const InputCheck problem = checkLogPeriod(typed)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    period_ = typed;
    memory_.choice = choice;
    if (choice == LogPeriodChoice::Given)
        memory_.given = typed;
    QDialog::accept();
}
