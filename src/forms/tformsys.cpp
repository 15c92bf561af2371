#include "forms/tformsys.h"

#include "base/byte_view.h"
#include "forms/switch_group.h"
#include "forms/table_dialog_parts.h"
#include "tables/system_parameters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 772;
constexpr int DialogHeight = 316;
} // namespace

TFormSys::TFormSys(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    setWindowTitle(QStringLiteral("Системные параметры контроллера"));
    resize(DialogWidth, DialogHeight);
    const SystemParameterChoices choices = systemParameterChoices(byteView(table));

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

    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void TFormSys::store()
{
    SystemParameterChoices choices;
    choices.contractHour = contractHour_->currentIndex();
    choices.moistureMeter = moistureMeter_->isChecked();
    choices.summer = summer_->choice();
    choices.winter = winter_->choice();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applySystemParameters(choices, bytes); }))
        accept();
}
