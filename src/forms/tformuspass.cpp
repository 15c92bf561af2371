#include "forms/tformuspass.h"

#include "base/operator.h"
#include "forms/user_secret_fields.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormUsPass::TFormUsPass(UserRecord& row, Operator& person, QWidget* parent)
    : QDialog(parent), row_(row), person_(person)
{
    setWindowTitle(QStringLiteral("Идентификация пользователя программы"));
    fields_ = new UserSecretFields(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields_);
    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    accept->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, &TFormUsPass::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormUsPass::store()
{
    const UserChangeOutcome entered = fields_->enteredInto(row_);
    if (entered.problem) {
        person_.message(MessageKind::InputError, entered.problem->line1, entered.problem->line2);
        fields_->clear(entered.clear);
        return;
    }
    row_ = entered.record;
    accept();
}
