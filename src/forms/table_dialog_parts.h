#pragma once

#include "base/input_problem.h"
#include "tables/table_editing.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <span>

class Operator;
class QComboBox;
class QDialog;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QStandardItemModel;
class QTableView;
class QWidget;

// What the table dialogs share.

// The accepting button (named by where the edits go) and "Отменить", at the right.
QHBoxLayout* acceptCancelRow(QDialog& dialog, TableEditing editing, const std::function<void()>& accepted);
// "Принять" and "Отменить", at the right.
QHBoxLayout* acceptCancelRow(QDialog& dialog, const std::function<void()>& accepted);
// "Выход" at the right, closing a dialog that only shows.
QHBoxLayout* closeRow(QDialog& dialog);

// The grid of a list dialog over `model`: whole rows selected one at a time,
// nothing edited in place, no row headers, `stretchedColumn` taking the width left.
QTableView* listGrid(QWidget& parent, QStandardItemModel& model, int stretchedColumn);

// A list row of a form: `selected` is an item index, -1 for none.
QComboBox* addChoiceRow(QFormLayout& form, const QString& label, const QStringList& items, int selected,
                        const QString& name);
// A list that also takes a number typed into it, showing `text`.
QComboBox* addTypedChoiceRow(QFormLayout& form, const QString& label, const QStringList& items, const QString& text,
                             const QString& name);
// A field of digits only.
QLineEdit* addNumberRow(QFormLayout& form, const QString& label, const QString& text, int digits, const QString& name);

// Applies the dialog's rule to a copy of `table`: a refusal is told to the
// operator and leaves `table` as it was; otherwise `table` takes the result.
bool storeChecked(std::span<std::uint8_t> table, Operator& person, const std::function<InputCheck(QByteArray&)>& apply);
