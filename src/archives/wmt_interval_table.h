#pragma once

#include "archives/archive_table.h"
#include "archives/interval_record.h"
#include "archives/wmt_params.h"

#include <vector>

// The moisture-meter hourly or daily viewer's table: date, start and end time,
// the status byte, then the four values.
class WmtIntervalTable : public ArchiveTable {
public:
    WmtIntervalTable(QString caption, const ArchiveRecords& records);

    QString statusText(int row, int column) const override;
    QString valueText(int row, int column) const override;
    QDateTime rowMoment(int row) const override;
    ArchiveSample sample(int row, int column) const override;

private:
    struct Row {
        DateStamp start;
        TimeOfDay end;
        bool unflaggedDay; // a daily mean whose end lacks the daily flag: marked "*"
        std::uint8_t status;
        bool intact;
        WmtParams values;
    };

    std::vector<Row> rows_;
};
