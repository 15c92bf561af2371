#include "archives/archive_grid_model.h"

ArchiveGridModel::ArchiveGridModel(const ArchiveTable& table, Side side, QObject* parent)
    : QAbstractTableModel(parent), table_(table), side_(side)
{
}

const QList<QStringList>& ArchiveGridModel::captions() const
{
    return side_ == Side::Status ? table_.statusCaptions() : table_.valueCaptions();
}

int ArchiveGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rowCount();
}

int ArchiveGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(captions().size());
}

QString ArchiveGridModel::text(int row, int column) const
{
    return side_ == Side::Status ? table_.statusText(row, column) : table_.valueText(row, column);
}

QVariant ArchiveGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return text(index.row(), index.column());
}

QVariant ArchiveGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= captions().size())
        return {};
    return captions().at(section).join(QLatin1Char('\n'));
}
