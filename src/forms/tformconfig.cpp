#include "forms/tformconfig.h"

#include "base/byte_view.h"
#include "base/table_numbers.h"
#include "forms/table_dialog_parts.h"
#include "forms/tformaccess.h"
#include "forms/tformconeth.h"
#include "forms/tformconmodbus.h"
#include "forms/tformconvich.h"
#include "forms/tformconvu.h"
#include "forms/tformdistr.h"
#include "forms/tformfloulist.h"
#include "forms/tformident.h"
#include "forms/tformlimits.h"
#include "forms/tformprzdistr.h"
#include "forms/tformsys.h"
#include "tables/gas_set_points.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 760;
constexpr int DialogHeight = 470;
constexpr int NameLength = 20;

QGroupBox* group(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    return box;
}

} // namespace

TFormConfig::TFormConfig(ConfigRecord& record, ConfigEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), record_(record), opened_(record), person_(person), panel_(new QFrame(this)),
      name_(new QLineEdit(this))
{
    resize(DialogWidth, DialogHeight);
    showCaption();
    const TableEditing tables = TableEditing::Configuration;

    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QFormLayout;
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(NameLength);
    name_->setText(record.name());
    connect(name_, &QLineEdit::textEdited, this, &TFormConfig::nameEdited);
    nameRow->addRow(QStringLiteral("Наименование контроллера"), name_);
    layout->addLayout(nameRow);

    panel_->setAutoFillBackground(true);
    auto* grid = new QGridLayout(panel_);
    layout->addWidget(panel_, 1);

    QGroupBox* controller = group(QStringLiteral("Контроллер"), panel_);
    grid->addWidget(controller, 0, 0);
    controller->layout()->addWidget(addPartButton(QStringLiteral("Параметры идентификации"), "identification", [this] {
        TFormIdent(byteView(record_.table(TableNumber::Identification)), !record_.readFromController(), this).exec();
    }));
    controller->layout()->addWidget(addPartButton(QStringLiteral("Системные параметры"), "systemParameters", [=, this] {
        TFormSys(record_.table(TableNumber::SystemParameters), tables, person_, this).exec();
        moistureMeterPort_->setEnabled(record_.moistureMeterConnected());
    }));
    controller->layout()->addWidget(
        addPartButton(QStringLiteral("Параметры вычислителей"), "flowComputers", [this] { editFlowComputers(); }));

    QGroupBox* ports = group(QStringLiteral("Параметры связи"), panel_);
    grid->addWidget(ports, 1, 0);
    ports->layout()->addWidget(addPartButton(QStringLiteral("С верхним уровнем"), "upperLevelPort", [=, this] {
        TFormConVU(record_.table(TableNumber::UpperLevelPort), true, tables, person_, this).exec();
    }));
    ports->layout()->addWidget(addPartButton(QStringLiteral("C хроматографом"), "chromatographPort", [=, this] {
        ModbusPortDialog(ModbusInstrument::Chromatograph, record_.table(TableNumber::ChromatographPort), tables,
                         person_, this)
            .exec();
    }));
    moistureMeterPort_ = addPartButton(QStringLiteral("С влагомером"), "moistureMeterPort", [=, this] {
        ModbusPortDialog(ModbusInstrument::MoistureMeter, record_.table(TableNumber::MoistureMeterPort), tables,
                         person_, this)
            .exec();
    });
    moistureMeterPort_->setEnabled(record.moistureMeterConnected());
    ports->layout()->addWidget(moistureMeterPort_);
    ports->layout()->addWidget(
        addPartButton(QStringLiteral("С вычислителем расхода газа"), "flowComputerPort", [=, this] {
            TFormConVich(record_.table(TableNumber::FlowComputerPort), tables, person_, this).exec();
        }));
    ports->layout()->addWidget(addPartButton(QStringLiteral("Параметры связи по Ethernet"), "ethernetPort", [=, this] {
        TFormConEth(record_.table(TableNumber::EthernetPort), tables, person_, this).exec();
    }));

    QGroupBox* gas = group(QStringLiteral("Параметры газа"), panel_);
    grid->addWidget(gas, 0, 1, 2, 1);
    gas->layout()->addWidget(addPartButton(
        QStringLiteral("Необходимость записи значений параметров газа в ВРГ"), "gasParamWriting",
        [=, this] { TFormPrzDistr(record_.table(TableNumber::GasParamWriting), tables, person_, this).exec(); }));
    for (int k = 0; k < GasSetPointCount; ++k) {
        const auto setPoint = static_cast<GasSetPoint>(k);
        gas->layout()->addWidget(
            addPartButton(setPointCaption(setPoint), QStringLiteral("setPoints%1").arg(k), [=, this] {
                TFormLimits(setPoint, record_.table(tableNumber(setPoint)), tables, person_, this).exec();
            }));
    }
    gas->layout()->addWidget(addPartButton(
        QStringLiteral("Период записи средних за час значений параметров газа в ВРГ"), "hourlyMeanPeriod",
        [=, this] { TFormDistr(record_.table(TableNumber::HourlyMeanPeriod), tables, person_, this).exec(); }));

    QGroupBox* users = group(QStringLiteral("Доступ пользователей"), panel_);
    grid->addWidget(users, 2, 0, 1, 2);
    users->layout()->addWidget(
        addPartButton(QStringLiteral("Доступ пользователей к таблицам параметров"), "users", [this] {
            TFormAccess(record_.table(TableNumber::Users), QStringLiteral("Принять"), person_, this).exec();
        }));
    users->setEnabled(!editing.restoring || editing.usersEditable);

    // Restoring, the accepted configuration goes straight into the controller.
    const TableEditing destination = editing.restoring ? TableEditing::Controller : TableEditing::Configuration;
    layout->addLayout(acceptCancelRow(*this, destination, [this] { accept(); }));
}

void TFormConfig::reject()
{
    record_ = opened_;
    QDialog::reject();
}

QPushButton* TFormConfig::addPartButton(const QString& caption, const QString& name, std::function<void()> open)
{
    auto* button = new QPushButton(caption, panel_);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, open = std::move(open)] { openPart(open); });
    return button;
}

void TFormConfig::openPart(const std::function<void()>& open)
{
    const QPalette active = panel_->palette();
    QPalette inactive = active;
    inactive.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Mid));
    panel_->setPalette(inactive);
    open();
    panel_->setPalette(active);
}

void TFormConfig::nameEdited(const QString& name)
{
    record_.setName(name);
    showCaption();
}

void TFormConfig::showCaption()
{
    setWindowTitle(QStringLiteral("Параметры конфигурации контроллера \"%1\" ").arg(record_.name()));
}

void TFormConfig::editFlowComputers()
{
    FlowComputerList list(record_.flowComputers());
    if (TFormFlouList(list, TableEditing::Configuration, person_, this).exec() == QDialog::Accepted)
        record_.setFlowComputers(list.computers());
}
