#include "forms/tformindex.h"

#include "base/operator.h"

#include "forms/table_dialog_parts.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const std::pair<IndexChoice, const char*> Choices[] = {
    {IndexChoice::Whole, "Весь диапазон данных"},     {IndexChoice::Last100, "Последние 100 записей"},
    {IndexChoice::Last50, "Последние 50 записей"},    {IndexChoice::Last10, "Последние 10 записей"},
    {IndexChoice::Given, "Заданный диапазон данных"},
};

} // namespace

TFormIndex::TFormIndex(LogKind kind, const LogBounds& bounds, IndexChoice& remembered, Operator& person,
                       QWidget* parent)
    : QDialog(parent), bounds_(bounds), remembered_(remembered), person_(person)
{
    setObjectName(QStringLiteral("TFormIndex"));
    setWindowTitle(QString::fromUtf8(logKindInfo(kind).indexCaption));
    auto* layout = new QVBoxLayout(this);
    auto* limits = new QFormLayout;
    limits->addRow(QStringLiteral("Индекс начала архива"), new QLabel(QString::number(bounds.oldest), this));
    limits->addRow(QStringLiteral("Индекс конца архива"), new QLabel(QString::number(bounds.newest), this));
    layout->addLayout(limits);

    auto* group = new QGroupBox(QStringLiteral(" Задание для чтения данных "), this);
    auto* groupLayout = new QVBoxLayout(group);
    choice_ = new QButtonGroup(this);
    for (const auto& [value, text] : Choices) {
        auto* button = new QRadioButton(QString::fromUtf8(text), group);
        choice_->addButton(button, static_cast<int>(value));
        groupLayout->addWidget(button);
    }
    layout->addWidget(group);

    auto* fields = new QFormLayout;
    first_ = new QLineEdit(this);
    first_->setObjectName(QStringLiteral("first"));
    count_ = new QLineEdit(this);
    count_->setObjectName(QStringLiteral("count"));
    fields->addRow(QStringLiteral("Индекс записи начала чтения"), first_);
    fields->addRow(QStringLiteral("Количество записей"), count_);
    layout->addLayout(fields);

    layout->addLayout(acceptCancelRow(*this, [this] { accept(); }));
    connect(choice_, &QButtonGroup::idClicked, this, [this](int id) { showChoice(static_cast<IndexChoice>(id)); });

    choice_->button(static_cast<int>(remembered))->setChecked(true);
    showChoice(remembered);
}

void TFormIndex::showChoice(IndexChoice choice)
{
    const IndexRange range = presetRange(choice, bounds_);
    first_->setText(QString::number(range.first));
    count_->setText(QString::number(range.count));
    const bool given = choice == IndexChoice::Given;
    first_->setReadOnly(!given);
    count_->setReadOnly(!given);
}

void TFormIndex::accept()
{
    const auto checked = checkIndexRange(bounds_, first_->text(), count_->text());
    if (const auto* problem = std::get_if<InputProblem>(&checked)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    range_ = std::get<IndexRange>(checked);
    remembered_ = static_cast<IndexChoice>(choice_->checkedId());
    QDialog::accept();
}
