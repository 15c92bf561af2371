#include "forms/tformconvu.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/port_choices.h"
#include "tables/upper_level_port.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 364;
constexpr int DialogHeight = 210;
} // namespace

TFormConVU::TFormConVU(std::span<std::uint8_t> table, bool rateEditable, TableEditing editing, Operator& person,
                       QWidget* parent)
    : QDialog(parent), table_(table), rateEditable_(rateEditable), person_(person)
{
    setWindowTitle(QStringLiteral(" Параметры связи с верхним уровнем "));
    resize(DialogWidth, DialogHeight);
    const UpperLevelPortFields fields = upperLevelPortFields(byteView(table));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    address_ = addNumberRow(*form, QStringLiteral("Адрес контроллера"), fields.address, 3, QStringLiteral("address"));
    bitRate_ = addChoiceRow(*form, QStringLiteral("Скорость обмена"), bitRateItems(), fields.bitRate,
                            QStringLiteral("bitRate"));
    bitRate_->setEnabled(rateEditable);
    preambles_ = addNumberRow(*form, QStringLiteral("Кол. преамбул  при ответе ВУ\n(  0 - 255 ) "), fields.preambles, 3,
                              QStringLiteral("preambles"));
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void TFormConVU::store()
{
    const UpperLevelPortFields fields{address_->text(), bitRate_->currentIndex(), preambles_->text()};
    if (storeChecked(table_, person_,
                     [&](QByteArray& bytes) { return applyUpperLevelPort(fields, rateEditable_, bytes); }))
        accept();
}
