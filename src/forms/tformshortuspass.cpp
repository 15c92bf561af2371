#include "forms/tformshortuspass.h"

#include "base/operator.h"
#include "forms/masked_field.h"
#include "tables/operator_credentials.h"
#include "tables/user_record.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QGroupBox* framed(const QString& title, QLineEdit* field, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(field);
    return box;
}
} // namespace

TFormShortUsPass::TFormShortUsPass(OperatorCredentials& credentials, Operator& person, QWidget* parent)
    : QDialog(parent), credentials_(credentials), person_(person)
{
    setWindowTitle(QStringLiteral("Идентификация пользователя программы"));
    code_ = maskedField(UserRecord::codeLength, this);
    code_->setObjectName(QStringLiteral("code"));
    password_ = maskedField(UserRecord::passwordLength, this);
    password_->setObjectName(QStringLiteral("password"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framed(QStringLiteral(" Код идентификации  пользователя"), code_, this));
    layout->addWidget(framed(QStringLiteral(" Пароль на запись в контроллер"), password_, this));
    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QStringLiteral("Принять"), this);
    auto* leave = new QPushButton(QStringLiteral("Выход"), this);
    accept->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(leave);
    layout->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, &TFormShortUsPass::store);
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormShortUsPass::store()
{
    if (const InputCheck problem = applyOperatorCredentials(code_->text(), password_->text(), credentials_)) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        code_->setFocus();
        return;
    }
    accept();
}
