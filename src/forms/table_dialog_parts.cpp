#include "forms/table_dialog_parts.h"

#include "base/byte_view.h"
#include "base/operator.h"

#include "forms/integer_key_filter.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>

namespace {

QHBoxLayout* buttonRow(QDialog& dialog, const QString& acceptText, const std::function<void()>& accepted)
{
    auto* row = new QHBoxLayout;
    auto* accept = new QPushButton(acceptText, &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), &dialog);
    QObject::connect(accept, &QPushButton::clicked, &dialog, accepted);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(accept);
    row->addWidget(cancel);
    return row;
}

} // namespace

QHBoxLayout* acceptCancelRow(QDialog& dialog, TableEditing editing, const std::function<void()>& accepted)
{
    return buttonRow(dialog, acceptCaption(editing), accepted);
}

QHBoxLayout* acceptCancelRow(QDialog& dialog, const std::function<void()>& accepted)
{
    return buttonRow(dialog, QStringLiteral("Принять"), accepted);
}

QHBoxLayout* closeRow(QDialog& dialog)
{
    auto* row = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("Выход"), &dialog);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    row->addStretch();
    row->addWidget(close);
    return row;
}

QComboBox* addChoiceRow(QFormLayout& form, const QString& label, const QStringList& items, int selected,
                        const QString& name)
{
    auto* list = new QComboBox(form.parentWidget());
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(selected >= 0 && selected < list->count() ? selected : -1);
    form.addRow(label, list);
    return list;
}

QComboBox* addTypedChoiceRow(QFormLayout& form, const QString& label, const QStringList& items, const QString& text,
                             const QString& name)
{
    QComboBox* list = addChoiceRow(form, label, items, -1, name);
    list->setEditable(true);
    list->setCurrentText(text);
    return list;
}

QLineEdit* addNumberRow(QFormLayout& form, const QString& label, const QString& text, int digits, const QString& name)
{
    auto* field = new QLineEdit(text, form.parentWidget());
    field->setObjectName(name);
    field->setMaxLength(digits);
    IntegerKeyFilter::install(field);
    form.addRow(label, field);
    return field;
}

bool storeChecked(std::span<std::uint8_t> table, Operator& person, const std::function<InputCheck(QByteArray&)>& apply)
{
    QByteArray bytes = byteView(table).toByteArray();
    if (const InputCheck problem = apply(bytes)) {
        person.message(MessageKind::InputError, problem->line1, problem->line2);
        return false;
    }
    std::copy(bytes.cbegin(), bytes.cend(), table.begin());
    return true;
}

QTableView* listGrid(QWidget& parent, QStandardItemModel& model, int stretchedColumn)
{
    auto* grid = new QTableView(&parent);
    grid->setModel(&model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(stretchedColumn, QHeaderView::Stretch);
    return grid;
}
