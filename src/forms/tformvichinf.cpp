#include "forms/tformvichinf.h"

#include "forms/coloured_label.h"
#include "forms/table_dialog_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int Width = 380;

QLabel* rowCell(const QString& name, int row, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1%2").arg(name).arg(row));
    return label;
}

} // namespace

TFormVichInf::TFormVichInf(const FlowComputerExchange& exchange, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Состояние обмена с вычислителями РГ"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Адрес\nвычислителя РГ"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Наличие\nсвязи"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Состояние процесса\nзаписи параметров"), this), 0, 2);
    for (int index = 0; index < exchange.count(); ++index) {
        auto* address = rowCell(QStringLiteral("address"), index, this);
        address->setText(exchange.address(index));
        auto* link = rowCell(QStringLiteral("link"), index, this);
        showColoured(*link, exchange.link(index));
        auto* writing = rowCell(QStringLiteral("writing"), index, this);
        showColoured(*writing, exchange.writing(index));
        grid->addWidget(address, index + 1, 0);
        grid->addWidget(link, index + 1, 1);
        grid->addWidget(writing, index + 1, 2);
    }
    layout->addLayout(grid);
    layout->addLayout(closeRow(*this));
    setFixedWidth(Width);
}
