#include "forms/tformconeth.h"

#include "base/byte_view.h"
#include "forms/integer_key_filter.h"
#include "forms/table_dialog_parts.h"
#include "tables/ethernet_port.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 414;
constexpr int DialogHeight = 374;
constexpr int OctetDigits = 3;
constexpr int PortDigits = 5;

const std::array<QString, 4> PortLabels{
    QStringLiteral("Порт соединения  ВРГ 1"), QStringLiteral("Порт соединения  ВРГ 2"),
    QStringLiteral("Порт соединения ККГ 1"), QStringLiteral("Порт соединения ККГ 2")};
} // namespace

TFormConEth::TFormConEth(std::span<std::uint8_t> table, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), table_(table), person_(person)
{
    setWindowTitle(QStringLiteral(" Параметры связи по Ethernet"));
    resize(DialogWidth, DialogHeight);
    const EthernetPortFields fields = ethernetPortFields(byteView(table));
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    ipAddress_ = addAddressRow(QStringLiteral("IP-адрес контроллера"), fields.ipAddress, QStringLiteral("ip"));
    subnetMask_ = addAddressRow(QStringLiteral("Маска подсети"), fields.subnetMask, QStringLiteral("mask"));
    gateway_ = addAddressRow(QStringLiteral("Шлюз по умолчанию"), fields.gateway, QStringLiteral("gateway"));
    for (std::size_t i = 0; i < ports_.size(); ++i)
        ports_[i] = addNumberRow(*form_, PortLabels[i], fields.ports[i], PortDigits, QStringLiteral("port%1").arg(i));
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

TFormConEth::Octets TFormConEth::addAddressRow(const QString& label, const std::array<QString, 4>& octets,
                                               const QString& name)
{
    Octets fields{};
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = new QLineEdit(octets[i], this);
        fields[i]->setObjectName(QStringLiteral("%1%2").arg(name).arg(i));
        fields[i]->setMaxLength(OctetDigits);
        IntegerKeyFilter::install(fields[i]);
        row->addWidget(fields[i]);
    }
    form_->addRow(label, row);
    return fields;
}

void TFormConEth::store()
{
    const auto texts = [](const std::array<QLineEdit*, 4>& fields) {
        std::array<QString, 4> typed;
        for (std::size_t i = 0; i < fields.size(); ++i)
            typed[i] = fields[i]->text();
        return typed;
    };
    const EthernetPortFields fields{texts(ipAddress_), texts(subnetMask_), texts(gateway_), texts(ports_)};
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applyEthernetPort(fields, bytes); }))
        accept();
}
