#pragma once

#include "archives/archive_table.h"

#include <QAbstractTableModel>

// One of the two tables of an archive viewer as a model for a view: the left
// table of stamps and states or the table of values. Every cell's text comes
// from the archive table when the view asks for it; the caption lines of a
// column are its header, one a line.
class ArchiveGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Side { Status, Values };

    ArchiveGridModel(const ArchiveTable& table, Side side, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QList<QStringList>& captions() const;
    QString text(int row, int column) const;

    const ArchiveTable& table_;
    Side side_;
};
