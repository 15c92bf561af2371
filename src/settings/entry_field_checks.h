#pragma once

#include "base/input_problem.h"

#include <QString>
#include <optional>

// The field checks shared by the entry editors of the stored lists (subscribers,
// metering objects): blank fields, and numbers within their range.

// "Введены не все параметры".
InputProblem notAllEntered();
// "Адрес вне допустимого диапазона" / "(1...255)".
InputProblem controllerAddressOutOfRange();

// True when the field holds nothing but blanks.
bool isBlank(const QString& field);

// The number in an integer field; fields hold digits only, so anything else is out of range.
std::optional<int> numberIn(const QString& field, int minimum, int maximum);

// A controller address typed into a field: 1 to 255.
std::optional<int> controllerAddressIn(const QString& field);
