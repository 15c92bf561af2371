#include "forms/user_secret_fields.h"

#include "forms/masked_field.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {
QLineEdit* namedField(const char* name, int maxLength, QWidget* parent)
{
    QLineEdit* field = maskedField(maxLength, parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QGroupBox* framedPair(const QString& title, const QString& first, QLineEdit* firstField, const QString& second,
                      QLineEdit* secondField, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* form = new QFormLayout(box);
    form->addRow(first, firstField);
    form->addRow(second, secondField);
    return box;
}
} // namespace

UserSecretFields::UserSecretFields(QWidget* parent) : QWidget(parent)
{
    password_ = namedField("password", UserRecord::passwordLength, this);
    passwordAgain_ = namedField("passwordAgain", UserRecord::passwordLength, this);
    code_ = namedField("code", UserRecord::codeLength, this);
    codeAgain_ = namedField("codeAgain", UserRecord::codeLength, this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(framedPair(QStringLiteral(" Пароль на запись "), QStringLiteral("Введите пароль"), password_,
                                 QStringLiteral("Подтвердите пароль"), passwordAgain_, this));
    layout->addWidget(framedPair(QStringLiteral(" Код идентификации  пользователя "), QStringLiteral("Введите код"),
                                 code_, QStringLiteral("Подтвердите код"), codeAgain_, this));
}

UserChangeOutcome UserSecretFields::enteredInto(const UserRecord& row) const
{
    return withPasswordAndCode(row, password_->text(), passwordAgain_->text(), code_->text(), codeAgain_->text());
}

void UserSecretFields::copyInto(UserChangeFields& fields) const
{
    fields.password = password_->text();
    fields.passwordAgain = passwordAgain_->text();
    fields.code = code_->text();
    fields.codeAgain = codeAgain_->text();
}

void UserSecretFields::clearAll()
{
    for (QLineEdit* field : {password_, passwordAgain_, code_, codeAgain_})
        field->clear();
}

void UserSecretFields::clear(UserChangeOutcome::Clear which)
{
    using Clear = UserChangeOutcome::Clear;
    if (which == Clear::Nothing)
        return;
    QLineEdit* first = which == Clear::Passwords ? password_ : code_;
    QLineEdit* second = which == Clear::Passwords ? passwordAgain_ : codeAgain_;
    first->clear();
    second->clear();
    first->setFocus();
}
