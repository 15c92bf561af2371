#include "forms/tformconn_par.h"

#include "app/address_search.h"
#include "forms/integer_key_filter.h"
#include "link/serial_port_opener.h"
#include "settings/com_port_names.h"
#include "settings/link_parameter_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int dialogWidth = 606;
constexpr int highestPort = 255;
} // namespace

TFormConn_Par::TFormConn_Par(Settings& settings, hgcbox& engine, Operator& person, LinkKind kind, QWidget* parent)
    : QDialog(parent), settings_(settings), engine_(engine), person_(person), kind_(kind)
{
    setWindowTitle(linkParametersCaption(kind));
    setFixedWidth(dialogWidth);
    const LinkParameterFields fields = linkParameterFields(settings, kind);
    auto* form = new QFormLayout(this);

    if (kind != LinkKind::Ethernet) {
        // Ports that exist on this machine; a device path may be typed instead.
        port_ = new QComboBox(this);
        port_->setObjectName(QStringLiteral("port"));
        port_->setEditable(true);
        const ComPortNames names(settings.comPorts);
        for (int number = 1; number <= highestPort; ++number)
            if (portExists(number, names))
                port_->addItem(QStringLiteral("COM%1").arg(number));
        port_->setCurrentText(QStringLiteral("COM%1").arg(fields.port));
        form->addRow(QStringLiteral("Коммуникационный порт"), port_);

        bitRate_ = new QComboBox(this);
        bitRate_->setObjectName(QStringLiteral("bitRate"));
        const BitRateChoices rates = bitRateChoices(fields.bitRate);
        for (const int rate : rates.rates)
            bitRate_->addItem(QString::number(rate), rate);
        bitRate_->setCurrentIndex(rates.selected);
        form->addRow(QStringLiteral("Скорость обмена, бит/с"), bitRate_);
    }
    preambles_ = addField(QStringLiteral("Количество преамбул в запросе"), fields.preambles, 3);
    answerWait_ = addField(QStringLiteral("Время ожидания первого байта ответа, с"), fields.answerWaitS, 3);
    interByte_ = addField(QStringLiteral("Время ожидания следующих байтов ответа, мс"), fields.interByteMs, 4);
    attempts_ = addField(QStringLiteral("Количество попыток запроса"), fields.attempts, 3);

    if (kind == LinkKind::Direct) {
        releasePort_ = new QCheckBox(QStringLiteral("Освобождать порт после\nкаждого сеанса связи"), this);
        releasePort_->setChecked(fields.closePortAfterSession);
        form->addRow(releasePort_);
        portWait_ = addField(QStringLiteral("Время ожидания освобождения СОМ порта, с"), fields.portOpenWaitS, 2);
        portWait_->setEnabled(fields.closePortAfterSession);
        connect(releasePort_, &QCheckBox::toggled, portWait_, &QWidget::setEnabled);
    } else {
        if (kind == LinkKind::Modem) {
            modemCommand_ = new QLineEdit(fields.modemCommand, this);
            modemCommand_->setObjectName(QStringLiteral("modemCommand"));
            form->addRow(QStringLiteral("Команда модему"), modemCommand_);
        }
        connectWait_ = addField(QStringLiteral("Ожидание соединения, с"), fields.connectWaitS, 3);
        connectAttempts_ = addField(QStringLiteral("Кол. попыток соединения"), fields.connectAttempts, 2);
        if (kind == LinkKind::Ethernet) {
            sendPause_ = addField(QStringLiteral("Пауза перед передачей запроса, мс"), fields.sendPauseMs, 4);
            sendPause_->setObjectName(QStringLiteral("sendPause"));
        }
    }

    auto* row = new QHBoxLayout;
    if (kind == LinkKind::Direct) {
        auto* search = new QPushButton(QStringLiteral("Поиск адреса устройства"), this);
        connect(search, &QPushButton::clicked, this, &TFormConn_Par::searchAddress);
        row->addWidget(search);
        buttons_ << search;
    }
    row->addStretch();
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    row->addWidget(accept);
    row->addWidget(cancel);
    buttons_ << accept << cancel;
    form->addRow(row);
    connect(accept, &QPushButton::clicked, this, [this] {
        if (store())
            QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TFormConn_Par::addField(const QString& label, const QString& value, int digits)
{
    auto* field = new QLineEdit(value, this);
    field->setMaxLength(digits);
    IntegerKeyFilter::install(field);
    static_cast<QFormLayout*>(layout())->addRow(label, field);
    return field;
}

bool TFormConn_Par::store()
{
    Settings edited = settings_;
    LinkParameterFields fields;
    if (port_) {
        const std::optional<int> port = ComPortNames::chooseNumber(port_->currentText(), edited.comPorts);
        if (!port) {
            person_.message(MessageKind::InputError, QStringLiteral("Введены не все параметры"));
            return false;
        }
        fields.port = *port;
        fields.bitRate = bitRate_->currentData().toInt();
    }
    const auto text = [](const QLineEdit* field) { return field ? field->text() : QString(); };
    fields.preambles = text(preambles_);
    fields.answerWaitS = text(answerWait_);
    fields.interByteMs = text(interByte_);
    fields.attempts = text(attempts_);
    fields.closePortAfterSession = releasePort_ && releasePort_->isChecked();
    fields.portOpenWaitS = text(portWait_);
    fields.modemCommand = text(modemCommand_);
    fields.connectWaitS = text(connectWait_);
    fields.connectAttempts = text(connectAttempts_);
    fields.sendPauseMs = text(sendPause_);

    if (const InputCheck problem = applyLinkParameters(fields, kind_, edited)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return false;
    }
    settings_ = edited;
    return true;
}

void TFormConn_Par::searchAddress()
{
    if (!store())
        return;
    for (QPushButton* button : buttons_)
        button->setEnabled(false);
    const bool found = searchDeviceAddress(settings_, engine_, person_);
    for (QPushButton* button : buttons_)
        button->setEnabled(true);
    if (found)
        QDialog::accept();
}
