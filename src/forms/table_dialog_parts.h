#pragma once

#include "base/input_problem.h"
#include "tables/table_editing.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <span>

class Operator;
class QDialog;
class QHBoxLayout;

// What the table dialogs share.

// The accepting button (named by where the edits go) and "Отменить", at the right.
QHBoxLayout* acceptCancelRow(QDialog& dialog, TableEditing editing, const std::function<void()>& accepted);

// Applies the dialog's rule to a copy of `table`: a refusal is told to the
// operator and leaves `table` as it was; otherwise `table` takes the result.
bool storeChecked(std::span<std::uint8_t> table, Operator& person, const std::function<InputCheck(QByteArray&)>& apply);
