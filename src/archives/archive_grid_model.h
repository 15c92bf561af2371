#pragma once

#include "archives/archive_table.h"

#include <QAbstractTableModel>

// One of the two tables of an archive viewer as a model for a view: the left
// table of stamps and states or the table of values. Every cell's text comes
// from the archive table when the view asks for it; the caption lines of a
// column are its header, one a line. The values' side also gives the trend
// chart its numbers through the roles below, so that the chart shows what the
// table does.
class ArchiveGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Side { Status, Values };
    enum Role {
        MomentRole = Qt::UserRole, // of a cell: the QDateTime of its record
        SampleStateRole,           // of a value cell: ArchiveSample::State as int
        SampleValueRole,           // of a value cell: the double shown
        KeyRole,                   // of a value column: its short name
        PresentRole,               // of a value column: the instrument delivers it
        SetPointParameterRole,     // of a value column: its field in tables 23 to 26; none without set-points
        SetPointFactorRole,        // of a value column: from the controller's unit to the one shown
    };

    ArchiveGridModel(const ArchiveTable& table, Side side, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QList<QStringList>& captions() const;
    QString text(int row, int column) const;
    QVariant sampleData(const QModelIndex& index, int role) const;
    QVariant columnData(int column, int role) const;

    const ArchiveTable& table_;
    Side side_;
};
