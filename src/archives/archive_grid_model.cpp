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

QVariant ArchiveGridModel::sampleData(const QModelIndex& index, int role) const
{
    if (role == MomentRole)
        return table_.rowMoment(index.row());
    if (side_ != Side::Values)
        return {};
    const ArchiveSample sample = table_.sample(index.row(), index.column());
    return role == SampleStateRole ? QVariant(static_cast<int>(sample.state)) : QVariant(sample.value);
}

QVariant ArchiveGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case MomentRole:
    case SampleStateRole:
    case SampleValueRole:
        return sampleData(index, role);
    default:
        return {};
    }
}

QVariant ArchiveGridModel::columnData(int column, int role) const
{
    if (side_ != Side::Values)
        return {};
    switch (role) {
    case KeyRole:
        return table_.valueKeys().value(column);
    case PresentRole:
        return table_.columnPresent(column);
    case SetPointParameterRole:
    case SetPointFactorRole:
        break;
    default:
        return {};
    }
    const std::optional<ColumnSetPoints> setPoints = table_.columnSetPoints(column);
    if (!setPoints)
        return {};
    return role == SetPointParameterRole ? QVariant(setPoints->parameter) : QVariant(setPoints->factor);
}

QVariant ArchiveGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= captions().size())
        return {};
    if (role == Qt::DisplayRole)
        return captions().at(section).join(QLatin1Char('\n'));
    return columnData(section, role);
}
