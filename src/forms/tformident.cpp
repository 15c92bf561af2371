#include "forms/tformident.h"

#include "forms/table_dialog_parts.h"
#include "tables/identification_items.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 490;
constexpr int DialogHeight = 416;
} // namespace

TFormIdent::TFormIdent(QByteArrayView identification, bool newConfiguration, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Параметры идентификации контроллера"));
    resize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const IdentificationItem& item : identificationItems(identification)) {
        const bool known = !newConfiguration || knownOfNewConfiguration(item);
        auto* label = new QLabel(item.label, this);
        auto* value = new QLabel(known ? item.value : QString(), this);
        value->setObjectName(QStringLiteral("value%1").arg(row));
        label->setEnabled(known);
        if (item.alarm)
            value->setStyleSheet(QStringLiteral("color: red"));
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(closeRow(*this));
}
