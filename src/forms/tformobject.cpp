#include "forms/tformobject.h"

#include "base/operator.h"
#include "forms/integer_key_filter.h"
#include "settings/object_entry_rules.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int highestAddress = 255;
}

TFormObject::TFormObject(MeteringObject& object, Operator& person, QWidget* parent)
    : QDialog(parent), object_(object), person_(person)
{
    setWindowTitle(QStringLiteral(" Параметры объекта"));
    setFixedSize(564, 140);
    const ObjectEntryFields fields = objectFieldsOf(object);

    name_ = new QLineEdit(fields.name, this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(MeteringObject::maxNameLength);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(name_);
    nameRow->addWidget(new QLabel(QStringLiteral("(до 49 символов)"), this));

    // A list of the addresses that also takes a typed one.
    address_ = new QComboBox(this);
    address_->setObjectName(QStringLiteral("address"));
    address_->setEditable(true);
    for (int address = 1; address <= highestAddress; ++address)
        address_->addItem(QString::number(address));
    address_->setCurrentText(fields.address);
    IntegerKeyFilter::install(address_->lineEdit());

    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &TFormObject::acceptFields);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Наименование объекта"), nameRow);
    form->addRow(QStringLiteral("Адрес контроллера ККГ"), address_);
    form->addRow(buttons);
}

void TFormObject::acceptFields()
{
    const InputCheck problem = applyObjectFields({name_->text(), address_->currentText()}, object_);
    if (problem)
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
    else
        accept();
}
