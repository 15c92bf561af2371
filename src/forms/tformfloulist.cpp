#include "forms/tformfloulist.h"

#include "base/operator.h"
#include "forms/tformfloupar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int DialogWidth = 526;
constexpr int BelowGrid = 120;
constexpr int GridFrame = 3;

// A list opened empty starts with one empty row, its password blank.
std::vector<FlowComputer> startingRows(const FlowComputerList& list)
{
    if (!list.computers().empty())
        return list.computers();
    FlowComputer empty;
    empty.password.fill(' ');
    return {empty};
}
} // namespace

TFormFlouList::TFormFlouList(FlowComputerList& list, TableEditing editing, Operator& person, QWidget* parent)
    : QDialog(parent), list_(list), edited_(list), person_(person)
{
    if (list.computers().empty())
        edited_ = FlowComputerList(startingRows(list));
    setWindowTitle(QStringLiteral("Параметры вычислителей расхода газа"));
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Адрес"), QStringLiteral("Тип"),
                                      QStringLiteral("Порядок байтов\nв многобайтных переменных"),
                                      QStringLiteral("Необходимость записи\nпараметров газа\nдля трубопроводов")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    grid_->setWordWrap(true);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    layout->addWidget(grid_);

    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(QStringLiteral("Добавить"), this);
    auto* change = new QPushButton(QStringLiteral("Изменить"), this);
    remove_ = new QPushButton(QStringLiteral("Удалить"), this);
    auto* accept = new QPushButton(acceptCaption(editing), this);
    auto* cancel = new QPushButton(QStringLiteral("Отменить"), this);
    for (QPushButton* button : {add_, change, remove_, accept, cancel})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, &TFormFlouList::addComputer);
    connect(change, &QPushButton::clicked, this, &TFormFlouList::changeComputer);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TFormFlouList::changeComputer);
    connect(remove_, &QPushButton::clicked, this, &TFormFlouList::removeComputer);
    connect(accept, &QPushButton::clicked, this, &TFormFlouList::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showRows();
    grid_->selectRow(0);
}

void TFormFlouList::showRows()
{
    const std::vector<FlowComputer>& computers = edited_.computers();
    grid_->setRowCount(static_cast<int>(computers.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QStringList texts = FlowComputers::rowTexts(computers[static_cast<std::size_t>(row)]);
        for (int column = 0; column < texts.size(); ++column)
            grid_->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    grid_->resizeRowsToContents();
    add_->setEnabled(edited_.canAdd());
    remove_->setEnabled(edited_.canRemove());
    // The grid shows every row, however many there are.
    int gridHeight = grid_->horizontalHeader()->sizeHint().height() + GridFrame;
    for (int row = 0; row < grid_->rowCount(); ++row)
        gridHeight += grid_->rowHeight(row) + 1;
    grid_->setFixedHeight(gridHeight);
    setFixedSize(DialogWidth, grid_->y() + gridHeight + BelowGrid);
}

void TFormFlouList::addComputer()
{
    FlowComputer added;
    added.password.fill(' ');
    TFormFlouPar dialog(added, static_cast<int>(edited_.computers().size()) + 1, person_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    edited_.add(added);
    showRows();
    grid_->selectRow(grid_->rowCount() - 1);
}

void TFormFlouList::changeComputer()
{
    const int row = grid_->currentRow();
    if (row < 0)
        return;
    FlowComputer changed = edited_.computers()[static_cast<std::size_t>(row)];
    TFormFlouPar dialog(changed, row + 1, person_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    edited_.change(row, changed);
    showRows();
    grid_->selectRow(row);
}

void TFormFlouList::removeComputer()
{
    const int row = grid_->currentRow();
    if (row < 0 || !edited_.canRemove())
        return;
    if (!person_.message(
            MessageKind::Question, QStringLiteral("Вы действительно хотите удалить"),
            QStringLiteral("вычислитель адр. %1?").arg(edited_.computers()[static_cast<std::size_t>(row)].address)))
        return;
    edited_.remove(row);
    showRows();
    grid_->selectRow(std::min(row, grid_->rowCount() - 1));
}

void TFormFlouList::store()
{
    if (const InputCheck problem = FlowComputers::checkList(edited_.computers())) {
        person_.message(MessageKind::InputError, problem->line1, problem->line2);
        return;
    }
    list_ = edited_;
    accept();
}
