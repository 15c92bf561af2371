#include "forms/tformlimits.h"

#include "base/byte_view.h"
#include "forms/table_dialog_parts.h"
#include "tables/gas_set_points.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 550;
constexpr int DialogHeight = 530;

} // namespace

TFormLimits::TFormLimits(GasSetPoint setPoint, std::span<std::uint8_t> table, TableEditing editing, Operator& person,
                         QWidget* parent)
    : QDialog(parent), setPoint_(setPoint), table_(table), person_(person)
{
    setWindowTitle(setPointCaption(setPoint));
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const auto rows = setPointRows(setPoint, byteView(table));
    for (int k = 0; k < GasParameterCount; ++k) {
        const SetPointRow& row = rows[static_cast<std::size_t>(k)];
        auto* name = new QLabel(row.name, this);
        if (!row.editable)
            name->setStyleSheet(QStringLiteral("color: darkblue"));
        auto* value = new QLineEdit(row.value, this);
        value->setObjectName(QStringLiteral("value%1").arg(k));
        value->setEnabled(row.editable);
        // Digits, a point and a sign only, whatever the locale's separator.
        auto* numbers = new QDoubleValidator(value);
        numbers->setLocale(QLocale::c());
        numbers->setNotation(QDoubleValidator::StandardNotation);
        value->setValidator(numbers);
        connect(value, &QLineEdit::editingFinished, this,
                [this, setPoint, k, value] { value->setText(reformattedSetPoint(setPoint, k, value->text())); });
        grid->addWidget(name, k, 0);
        grid->addWidget(new QLabel(row.range, this), k, 1);
        grid->addWidget(value, k, 2);
        grid->addWidget(new QLabel(row.unit, this), k, 3);
        values_[static_cast<std::size_t>(k)] = value;
    }
    layout->addLayout(grid);
    layout->addLayout(acceptCancelRow(*this, editing, [this] { store(); }));
}

void TFormLimits::store()
{
    SetPointTexts typed;
    for (int k = 0; k < GasParameterCount; ++k)
        typed[static_cast<std::size_t>(k)] = values_[static_cast<std::size_t>(k)]->text();
    if (storeChecked(table_, person_, [&](QByteArray& bytes) { return applySetPoints(setPoint_, typed, bytes); }))
        accept();
}
