#include "forms/tformrepconf.h"

#include "base/operator.h"
#include "gas/report_settings_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 492;
constexpr int DialogHeight = 572;
} // namespace

TFormRepConf::TFormRepConf(ReportSettings& settings, Operator& person, QWidget* parent)
    : QDialog(parent), settings_(settings), person_(person)
{
    setWindowTitle(QStringLiteral("Формат представления данных"));
    resize(DialogWidth, DialogHeight);
    const ReportSettingsForm::Fields shown = ReportSettingsForm::fields(settings);
    auto* layout = new QVBoxLayout(this);

    for (int row = 0; row < ReportSettingsForm::ChoiceCount; ++row) {
        const ReportSettingsForm::ChoiceRow& choice = ReportSettingsForm::choiceRows()[row];
        auto* box = new QGroupBox(choice.label, this);
        auto* items = new QHBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (int item = 0; item < choice.items.size(); ++item) {
            auto* button = new QRadioButton(choice.items[item], box);
            button->setObjectName(QStringLiteral("choice%1_%2").arg(row).arg(item));
            button->setChecked(item == shown.choices[row]);
            group->addButton(button, item);
            items->addWidget(button);
        }
        choices_ << group;
        layout->addWidget(box);
    }

    auto* precision = new QGroupBox(QStringLiteral(" Точность представления данных хроматографа "), this);
    auto* digits = new QFormLayout(precision);
    digits->addRow(new QLabel(QStringLiteral("(количество знаков после запятой)"), precision));
    for (int row = 0; row < ReportSettingsForm::DigitRowCount; ++row) {
        auto* count = new QComboBox(precision);
        count->setObjectName(QStringLiteral("digits%1").arg(row));
        count->addItems(ReportSettingsForm::digitItems());
        count->setCurrentIndex(shown.digits[row]);
        digits->addRow(ReportSettingsForm::digitRows()[row].label, count);
        digits_ << count;
    }
    layout->addWidget(precision);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &TFormRepConf::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void TFormRepConf::store()
{
    ReportSettingsForm::Fields fields;
    for (int row = 0; row < ReportSettingsForm::ChoiceCount; ++row)
        fields.choices[row] = choices_[row]->checkedId();
    for (int row = 0; row < ReportSettingsForm::DigitRowCount; ++row)
        fields.digits[row] = digits_[row]->currentIndex();
    const auto applied = ReportSettingsForm::apply(fields, settings_);
    if (const auto* problem = std::get_if<InputProblem>(&applied)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    settings_ = std::get<ReportSettings>(applied);
    accept();
}
