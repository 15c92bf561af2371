#pragma once

#include "archives/archive_table.h"
#include "archives/gas_columns.h"
#include "tables/date_stamp.h"

#include <vector>

// What a row of the table holds as one analysis.
struct MomentAnalysis {
    enum class State { Valid, Damaged, SwitchedOff, NoLink, Calibration };
    State state;
    DateStamp stamp;
    GasParams values; // recalculated; only of a valid analysis
};

// The chromatograph 5-minute viewer's table: date, time, the record flags and
// the chromatograph's status word, then the twenty values. The record flags are
// tested in order: off, no link with the HMU, calibration, else the values.
class ChromMomentTable : public ArchiveTable {
public:
    ChromMomentTable(QString caption, const ArchiveFile& file, const ReportSettings& settings);

    QString statusText(int row, int column) const override;
    QString valueText(int row, int column) const override;
    std::optional<RecordStatus> recordStatus(int row) const override;
    QDateTime rowMoment(int row) const override;
    ArchiveSample sample(int row, int column) const override;
    bool columnPresent(int column) const override { return columns_.present(column); }
    std::optional<ColumnSetPoints> columnSetPoints(int column) const override { return columns_.setPoints(column); }

    // The row's analysis, with the record flags in the order the table tests them.
    MomentAnalysis analysis(int row) const;

private:
    struct Row {
        DateStamp stamp;
        std::uint8_t flags;
        std::uint16_t statusWord;
        bool intact;
        GasParams shown; // recalculated; only of an intact record
    };

    GasColumns columns_;
    std::vector<Row> rows_;
};
