#include "forms/table_dialog_parts.h"

#include "base/byte_view.h"
#include "base/operator.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

QHBoxLayout* acceptCancelRow(QDialog& dialog, TableEditing editing, const std::function<void()>& accepted)
{
    auto* row = new QHBoxLayout;
    auto* accept = new QPushButton(acceptCaption(editing), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), &dialog);
    QObject::connect(accept, &QPushButton::clicked, &dialog, accepted);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(accept);
    row->addWidget(cancel);
    return row;
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
