#include "settings/entry_field_checks.h"

InputProblem notAllEntered()
{
    return {QStringLiteral("Введены не все параметры"), {}};
}

InputProblem controllerAddressOutOfRange()
{
    return {QStringLiteral("Адрес вне допустимого диапазона"), QStringLiteral("(1...255)")};
}

bool isBlank(const QString& field)
{
    return field.trimmed().isEmpty();
}

std::optional<int> numberIn(const QString& field, int minimum, int maximum)
{
    bool ok = false;
    const int number = field.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return std::nullopt;
    return number;
}

std::optional<int> controllerAddressIn(const QString& field)
{
    return numberIn(field, 1, 255);
}
