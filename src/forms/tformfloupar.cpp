#include "forms/tformfloupar.h"

#include "base/operator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int DialogHeight = 360;
constexpr int WholePasswordWidth = 412;
constexpr int SplitPasswordWidth = 506;
constexpr int HighestAddress = 254;
constexpr int WholePasswordLength = 16;
constexpr int SplitPasswordLength = 12;
constexpr int CodeLength = 4;
} // namespace

TFormFlouPar::TFormFlouPar(FlowComputer& computer, int number, Operator& person, QWidget* parent)
    : QDialog(parent), computer_(computer), person_(person)
{
    setWindowTitle(QStringLiteral("Параметры вычислителя расхода газа № %1").arg(number));
    const FlowComputerFields fields = flowComputerFields(computer, false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    address_ = new QComboBox(this);
    address_->setObjectName(QStringLiteral("address"));
    address_->setEditable(true);
    for (int address = 1; address <= HighestAddress; ++address)
        address_->addItem(QString::number(address));
    address_->setCurrentText(fields.address);
    form->addRow(QStringLiteral("Адрес  (1...254)"), address_);
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("type"));
    type_->addItems(FlowComputers::typeNames());
    type_->setCurrentIndex(fields.type);
    form->addRow(QStringLiteral("Тип"), type_);
    byteOrder_ = new QComboBox(this);
    byteOrder_->setObjectName(QStringLiteral("byteOrder"));
    byteOrder_->addItems(FlowComputers::byteOrderNames());
    byteOrder_->setCurrentIndex(fields.byteOrder);
    form->addRow(QStringLiteral("Порядок байтов в\nмногобайтных переменных"), byteOrder_);
    layout->addLayout(form);

    auto* pipelineBox = new QGroupBox(QStringLiteral(" Необходимость записи параметров газа для т/п "), this);
    auto* pipelineRow = new QHBoxLayout(pipelineBox);
    for (int pipeline = 0; pipeline < FlowComputers::Pipelines; ++pipeline) {
        auto* box = new QCheckBox(QStringLiteral("Т/п %1").arg(pipeline + 1), pipelineBox);
        box->setObjectName(QStringLiteral("pipeline%1").arg(pipeline + 1));
        box->setEnabled(pipelineOffered(fields.type, pipeline));
        box->setChecked(fields.pipelines[static_cast<std::size_t>(pipeline)]);
        pipelineRow->addWidget(box);
        pipelines_[static_cast<std::size_t>(pipeline)] = box;
    }
    layout->addWidget(pipelineBox);

    auto* passwordForm = new QFormLayout;
    passwordLabel_ = new QLabel(this);
    password_ = new QLineEdit(fields.password, this);
    password_->setObjectName(QStringLiteral("password"));
    passwordForm->addRow(passwordLabel_, password_);
    codeLabel_ = new QLabel(QStringLiteral("Код идентификации\n(до 4 символов)"), this);
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("code"));
    code_->setMaxLength(CodeLength);
    passwordForm->addRow(codeLabel_, code_);
    split_ = new QCheckBox(QStringLiteral("SOU"), this);
    split_->setObjectName(QStringLiteral("split"));
    passwordForm->addRow(split_);
    layout->addLayout(passwordForm);

    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    connect(accept, &QPushButton::clicked, this, &TFormFlouPar::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(type_, &QComboBox::currentIndexChanged, this, &TFormFlouPar::typeChosen);
    connect(split_, &QCheckBox::toggled, this, &TFormFlouPar::showPasswordForm);
    showPasswordForm();
}

// Another type offers its own pipelines, ticked from the record's mask.
void TFormFlouPar::typeChosen()
{
    for (int pipeline = 0; pipeline < FlowComputers::Pipelines; ++pipeline) {
        QCheckBox* box = pipelines_[static_cast<std::size_t>(pipeline)];
        const bool offered = pipelineOffered(type_->currentIndex(), pipeline);
        box->setEnabled(offered);
        box->setChecked(offered && (computer_.pipelines & (1U << pipeline)) != 0);
    }
}

// The same 16 bytes shown whole or as a password of 12 and a code of 4.
void TFormFlouPar::showPasswordForm()
{
    const bool split = split_->isChecked();
    FlowComputer typed = computer_;
    FlowComputerFields fields;
    fields.split = shownSplit_;
    fields.password = password_->text();
    fields.code = code_->text();
    storePassword(fields, typed);
    const FlowComputerFields shown = flowComputerFields(typed, split);
    shownSplit_ = split;
    passwordLabel_->setText(split ? QStringLiteral("Пароль на запись\n(до 12 символов)")
                                  : QStringLiteral("Пароль на запись\n(до 16 символов)"));
    password_->setMaxLength(split ? SplitPasswordLength : WholePasswordLength);
    password_->setText(shown.password);
    code_->setText(shown.code);
    codeLabel_->setVisible(split);
    code_->setVisible(split);
    resize(split ? SplitPasswordWidth : WholePasswordWidth, DialogHeight);
}

void TFormFlouPar::store()
{
    FlowComputerFields fields;
    fields.address = address_->currentText();
    fields.type = type_->currentIndex();
    fields.byteOrder = byteOrder_->currentIndex();
    for (int pipeline = 0; pipeline < FlowComputers::Pipelines; ++pipeline)
        fields.pipelines[static_cast<std::size_t>(pipeline)] =
            pipelines_[static_cast<std::size_t>(pipeline)]->isChecked();
    fields.split = split_->isChecked();
    fields.password = password_->text();
    fields.code = code_->text();
    FlowComputer edited = computer_;
    if (const InputCheck problem = applyFlowComputerFields(fields, edited)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    computer_ = edited;
    accept();
}
