#include "forms/tformabonent.h"

#include "base/operator.h"
#include "forms/integer_key_filter.h"
#include "settings/subscriber_entry_rules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int dialogWidth = 568;

QLineEdit* integerField(const QString& text, int digits, QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setMaxLength(digits);
    IntegerKeyFilter::install(field);
    return field;
}
} // namespace

TFormAbonent::TFormAbonent(PhoneSubscriber& entry, Operator& person, QWidget* parent)
    : QDialog(parent), person_(person), phoneEntry_(&entry)
{
    setWindowTitle(QStringLiteral("Параметры абонента (связь по телефону)"));
    setFixedSize(dialogWidth, 220);
    const PhoneEntryFields fields = fieldsOf(entry);
    buildCommonFields(fields.name, entry.controllerAddress, PhoneSubscriber::maxNameLength);
    phone_ = new QLineEdit(fields.phone, this);
    phone_->setObjectName(QStringLiteral("phone"));
    phone_->setMaxLength(PhoneSubscriber::maxPhoneLength);
    static_cast<QFormLayout*>(layout())->addRow(QStringLiteral("№ телефона"), phone_);
    addButtons();
}

TFormAbonent::TFormAbonent(EthernetSubscriber& entry, Operator& person, QWidget* parent)
    : QDialog(parent), person_(person), ethernetEntry_(&entry)
{
    setWindowTitle(QStringLiteral("Параметры абонента (Ethernet-интерфейс)"));
    setFixedSize(dialogWidth, 224);
    const EthernetEntryFields fields = fieldsOf(entry);
    buildCommonFields(fields.name, entry.controllerAddress, EthernetSubscriber::maxNameLength);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        octets_[i] = integerField(fields.octets[i], 3, this);
        octets_[i]->setObjectName(QStringLiteral("octet%1").arg(i + 1));
        row->addWidget(octets_[i]);
        row->addWidget(new QLabel(i < 3 ? QStringLiteral(".") : QStringLiteral(":"), this));
    }
    port_ = integerField(fields.port, 5, this);
    port_->setObjectName(QStringLiteral("port"));
    row->addWidget(port_);
    static_cast<QFormLayout*>(layout())->addRow(QStringLiteral("IP-адрес:порт"), row);
    addButtons();
}

void TFormAbonent::buildCommonFields(const QString& name, int address, int nameLength)
{
    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(name, this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(nameLength);
    address_ = integerField(QString::number(address), 3, this);
    address_->setObjectName(QStringLiteral("address"));
    form->addRow(QStringLiteral("Наименование"), name_);
    form->addRow(QStringLiteral("Адрес устройства"), address_);
}

void TFormAbonent::addButtons()
{
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(accept);
    row->addWidget(cancel);
    static_cast<QFormLayout*>(layout())->addRow(row);
    connect(accept, &QPushButton::clicked, this,
            phoneEntry_ ? &TFormAbonent::acceptPhone : &TFormAbonent::acceptEthernet);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormAbonent::acceptPhone()
{
    const InputCheck problem =
        applyEntryFields(PhoneEntryFields{name_->text(), address_->text(), phone_->text()}, *phoneEntry_);
    if (problem)
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
    else
        accept();
}

void TFormAbonent::acceptEthernet()
{
    EthernetEntryFields fields{name_->text(), address_->text(), {}, port_->text()};
    for (int i = 0; i < 4; ++i)
        fields.octets[i] = octets_[i]->text();
    const InputCheck problem = applyEntryFields(fields, *ethernetEntry_);
    if (problem)
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
    else
        accept();
}
