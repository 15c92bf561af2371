#include "forms/tformfuninfo.h"

#include "archives/controller_state.h"
#include "forms/table_dialog_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

TFormFunInfo::TFormFunInfo(const std::array<std::uint8_t, 2>& functions, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Возможность исполнения контроллером его функций"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const QStringList labels = functionRowLabels();
    for (int row = 0; row < labels.size(); ++row) {
        grid->addWidget(new QLabel(labels[row], this), row, 0);
        auto* value = new QLabel(functionCell(functions[static_cast<std::size_t>(row)]), this);
        value->setObjectName(QStringLiteral("function%1").arg(row));
        grid->addWidget(value, row, 1);
    }
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("  См. информацию о состоянии таблиц параметров конфигурации"), this));
    layout->addLayout(closeRow(*this));
    resize(508, 202);
}
