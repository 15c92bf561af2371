#include "logs/log_grid_model.h"

#include "logs/log_columns.h"

LogGridModel::LogGridModel(const LogTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), headings_(logColumnHeadings(table.kind))
{
}

int LogGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int LogGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LogColumns;
}

QVariant LogGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return table_.rows[index.row()].cells.value(index.column());
}

QVariant LogGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= headings_.size())
        return {};
    return headings_.at(section).join(QLatin1Char('\n'));
}
