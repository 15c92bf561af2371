#pragma once

#include "archives/archive_table.h"
#include "archives/chrom_interval_record.h"
#include "archives/gas_columns.h"

#include <vector>

// The chromatograph hourly or daily viewer's table: date, start and end time,
// the status byte, then the twenty values. A mean without data (the controller
// off, no link with the HMU, no methane) shows " ---"; a value that stood in
// for a missing one is marked '"'.
class ChromIntervalTable : public ArchiveTable {
public:
    ChromIntervalTable(QString caption, const ArchiveFile& file, const ReportSettings& settings);

    QString statusText(int row, int column) const override;
    QString valueText(int row, int column) const override;
    std::optional<RecordStatus> recordStatus(int row) const override;
    QDateTime rowMoment(int row) const override;
    ArchiveSample sample(int row, int column) const override;
    bool columnPresent(int column) const override { return columns_.present(column); }
    std::optional<ColumnSetPoints> columnSetPoints(int column) const override { return columns_.setPoints(column); }

private:
    struct Row {
        DateStamp start;
        TimeOfDay end;
        bool unflaggedDay; // a daily mean whose end lacks the daily flag: marked "*"
        std::uint8_t status;
        bool intact;
        bool showsValues;
        GasParams shown; // recalculated; only of an intact record
    };

    QString endText(const Row& row) const;

    bool daily_;
    GasColumns columns_;
    std::vector<Row> rows_;
};
