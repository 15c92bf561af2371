#include "forms/tformsys.h"

#include "base/operator.h"
#include "forms/switch_group.h"
#include "tables/system_parameters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int DialogWidth = 772;
constexpr int DialogHeight = 316;
} // namespace

TFormSys::TFormSys(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    setWindowTitle(QStringLiteral("Системные параметры контроллера"));
    resize(DialogWidth, DialogHeight);
    const SystemParameterChoices choices = systemParameterChoices(
        QByteArrayView(reinterpret_cast<const char*>(table.data()), static_cast<qsizetype>(table.size())));

    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    summer_ = new SwitchGroup(Season::Summer, choices.summer, this);
    winter_ = new SwitchGroup(Season::Winter, choices.winter, this);
    groups->addWidget(summer_);
    groups->addWidget(winter_);
    layout->addLayout(groups);

    auto* form = new QFormLayout;
    contractHour_ = new QComboBox(this);
    contractHour_->setObjectName(QStringLiteral("contractHour"));
    contractHour_->addItems(contractHourItems());
    contractHour_->setCurrentIndex(choices.contractHour);
    form->addRow(QStringLiteral("Контрактный час"), contractHour_);
    // The controller always works with a chromatograph.
    auto* chromatograph = new QCheckBox(QStringLiteral("Наличие подключенного хроматографа"), this);
    chromatograph->setChecked(true);
    chromatograph->setEnabled(false);
    form->addRow(chromatograph);
    moistureMeter_ = new QCheckBox(QStringLiteral("Наличие подключенного влагомера"), this);
    moistureMeter_->setObjectName(QStringLiteral("moistureMeter"));
    moistureMeter_->setChecked(choices.moistureMeter);
    form->addRow(moistureMeter_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(acceptCaption(editing), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &TFormSys::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void TFormSys::store()
{
    SystemParameterChoices choices;
    choices.contractHour = contractHour_->currentIndex();
    choices.moistureMeter = moistureMeter_->isChecked();
    choices.summer = summer_->choice();
    choices.winter = winter_->choice();
    QByteArray bytes(reinterpret_cast<const char*>(table_.data()), static_cast<qsizetype>(table_.size()));
    if (const InputCheck problem = applySystemParameters(choices, bytes)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    std::copy(bytes.cbegin(), bytes.cend(), table_.begin());
    accept();
}
