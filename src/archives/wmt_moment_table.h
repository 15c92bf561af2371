#pragma once

#include "archives/archive_table.h"
#include "archives/wmt_params.h"
#include "tables/date_stamp.h"

#include <vector>

// The moisture-meter 5-minute viewer's table: date, time, the controller's
// flags and the meter's status word, then the four values.
class WmtMomentTable : public ArchiveTable {
public:
    WmtMomentTable(QString caption, const ArchiveRecords& records);

    QString statusText(int row, int column) const override;
    QString valueText(int row, int column) const override;
    QDateTime rowMoment(int row) const override;
    ArchiveSample sample(int row, int column) const override;

private:
    struct Row {
        DateStamp stamp;
        std::uint8_t flags;
        std::uint16_t meterStatus;
        bool intact;
        WmtParams values;
    };

    std::vector<Row> rows_;
};
