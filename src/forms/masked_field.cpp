#include "forms/masked_field.h"

#include <QLineEdit>

QLineEdit* maskedField(int maxLength, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(maxLength);
    return field;
}
