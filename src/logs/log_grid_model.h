#pragma once

#include "logs/log_table.h"

#include <QAbstractTableModel>

// The rows of a log for its viewer's grid, headed by the log's column headings.
class LogGridModel : public QAbstractTableModel {
public:
    LogGridModel(const LogTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const LogTable& table_;
    QList<QStringList> headings_;
};
