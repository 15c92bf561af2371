#include "forms/tformtableinfo.h"

#include "exchange/controller_reset.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int Margin = 8;
constexpr int ButtonHeight = 30;
constexpr int ButtonGap = 8;
enum Column { NumberColumn, TableColumn, StateColumn, ChoiceColumn, ColumnCount };

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTableWidgetItem* choiceItem(const TableInfo::Row& row)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(row.tickable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable);
    item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

TFormTableInfo::TFormTableInfo(TableStateSet& states, int softwareVersion, RequestContext context, QWidget* parent)
    : QDialog(parent), states_(states), context_(context),
      rows_(TableInfo::rows(states, context.engine.settings().linkKind))
{
    setWindowTitle(QStringLiteral("Состояние таблиц параметров конфигурации"));
    buildList();

    const int rowHeight = fontMetrics().height() + 6;
    const TableInfo::ListPlacement place = TableInfo::placement(rows_, rowHeight, Margin);
    // Neighbouring rows share their dividing line.
    list_->verticalHeader()->setDefaultSectionSize(rowHeight - 1);
    list_->setGeometry(Margin, Margin, TableInfo::FormWidth - 2 * Margin, place.listHeight);
    list_->scrollToItem(list_->item(place.firstRowInView, NumberColumn), QAbstractItemView::PositionAtTop);

    setFixedSize(TableInfo::FormWidth, place.formHeight);
    buildButtons(Margin + place.listHeight + ButtonGap, softwareVersion);
}

void TFormTableInfo::buildList()
{
    list_ = new QTableWidget(static_cast<int>(rows_.size()), ColumnCount, this);
    list_->setObjectName(QStringLiteral("tables"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->horizontalHeader()->hide();
    list_->verticalHeader()->hide();
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    for (int i = 0; i < list_->rowCount(); ++i) {
        const TableInfo::Row& row = rows_[i];
        list_->setItem(i, NumberColumn, readOnlyItem(QString::number(row.number)));
        list_->setItem(i, TableColumn, readOnlyItem(row.text));
        QTableWidgetItem* state = readOnlyItem(row.state);
        state->setTextAlignment(Qt::AlignCenter);
        if (row.destroyed)
            state->setForeground(Qt::red);
        list_->setItem(i, StateColumn, state);
        list_->setItem(i, ChoiceColumn, choiceItem(row));
    }
    QHeaderView* columns = list_->horizontalHeader();
    columns->setSectionResizeMode(TableColumn, QHeaderView::Stretch);
    for (Column column : {NumberColumn, StateColumn, ChoiceColumn})
        columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void TFormTableInfo::buildButtons(int top, int softwareVersion)
{
    const LinkKind link = context_.engine.settings().linkKind;
    const int width = (TableInfo::FormWidth - 3 * Margin) / 2;
    const auto place = [&](const QString& text, int column, int row) {
        auto* button = new QPushButton(text, this);
        button->setGeometry(Margin + column * (width + Margin), top + row * (ButtonHeight + ButtonGap), width,
                            ButtonHeight);
        return button;
    };
    QPushButton* all = place(QStringLiteral("Записать все таблицы"), 0, 0);
    QPushButton* chosen = place(QStringLiteral("Записать избранные таблицы"), 1, 0);
    resetButton_ = place(QStringLiteral("Сбросить энергонезависимые данные"), 0, 1);
    QPushButton* exit = place(QStringLiteral("Выход"), 1, 1);

    all->setEnabled(TableInfo::writeEnabled(softwareVersion, link));
    chosen->setEnabled(TableInfo::writeEnabled(softwareVersion, link));
    resetButton_->setEnabled(TableInfo::resetEnabled(softwareVersion, link));
    exit->setDefault(true);

    connect(all, &QPushButton::clicked, this, &TFormTableInfo::writeAll);
    connect(chosen, &QPushButton::clicked, this, &TFormTableInfo::writeChosen);
    connect(resetButton_, &QPushButton::clicked, this, &TFormTableInfo::reset);
    connect(exit, &QPushButton::clicked, this, [this] { done(TableInfo::Exit); });
}

void TFormTableInfo::writeAll()
{
    TableInfo::chooseAll(states_);
    done(TableInfo::WriteAll);
}

void TFormTableInfo::writeChosen()
{
    std::vector<int> ticked;
    for (int i = 0; i < list_->rowCount(); ++i)
        if (list_->item(i, ChoiceColumn)->checkState() == Qt::Checked)
            ticked.push_back(rows_[i].table);
    if (!TableInfo::chooseTicked(states_, ticked)) {
        context_.person.message(MessageKind::Information, TableInfo::nothingChosenText());
        return;
    }
    done(TableInfo::WriteChosen);
}

void TFormTableInfo::reset()
{
    if (!context_.person.message(MessageKind::Question, TableInfo::resetQuestionLine1(),
                                 TableInfo::resetQuestionLine2()))
        return;
    if (!resetNonVolatileData(context_))
        return;
    resetButton_->setEnabled(false);
    done(TableInfo::Reset);
}
