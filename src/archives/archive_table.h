#pragma once

#include "archives/archive_file.h"
#include "archives/archive_means.h"
#include "archives/archive_sample.h"
#include "archives/chrom_status_texts.h"
#include "archives/gas_columns.h"
#include "gas/report_settings.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// What the status dialog of a chromatograph viewer shows for one record.
struct RecordStatus {
    ChromStatusMode mode;
    std::uint8_t flags;
    std::uint16_t statusWord;
    QString caption;
};

// An archive as its viewer shows it: the window caption, the left table of
// stamps and states, the table of values, and the means for the printouts.
// Every text is that of the viewer's cell, blanks included. The records are
// decoded once; the texts are made when asked for, so that a two-month
// 5-minute archive opens at once.
class ArchiveTable {
public:
    virtual ~ArchiveTable() = default;

    // The table of the viewer of `file`'s archive. Chromatograph values are shown
    // from copies recalculated by `settings` with the slot map of the chromatograph
    // type in the header; a record with a wrong checksum is shown damaged, never
    // recalculated, and left out of the means.
    static std::unique_ptr<ArchiveTable> of(const ArchiveFile& file, const ReportSettings& settings);

    QString caption() const { return caption_; }
    // The calculation method under a chromatograph table; empty for the moisture meter.
    QString methodLabel() const { return methodLabel_; }

    int rowCount() const { return rowCount_; }
    // The caption lines of each column (the value columns: three lines and the unit).
    const QList<QStringList>& statusCaptions() const { return statusCaptions_; }
    const QList<QStringList>& valueCaptions() const { return valueCaptions_; }
    // The left columns shown only in the service view.
    const QList<int>& serviceColumns() const { return serviceColumns_; }

    virtual QString statusText(int row, int column) const = 0;
    virtual QString valueText(int row, int column) const = 0;
    // What the status dialog shows for the row; none where the viewer has no such
    // dialog or the record is damaged.
    virtual std::optional<RecordStatus> recordStatus(int row) const;

    // A short name of each value column, for scripts: "methane", "wdp".
    const QStringList& valueKeys() const { return valueKeys_; }
    // When the row's record was taken: its stamp, or the start of its interval.
    virtual QDateTime rowMoment(int row) const = 0;
    // The value cell's number as shown, and what kind of value it is.
    virtual ArchiveSample sample(int row, int column) const = 0;
    // The column's parameter is delivered by the instrument, so it may be plotted.
    virtual bool columnPresent(int column) const;
    // None for a column whose parameter has no set-points.
    virtual std::optional<ColumnSetPoints> columnSetPoints(int column) const;

    // Of the recalculated values, by slot (chromatograph) or value (moisture meter).
    const ArchiveMeans& means() const { return means_; }

protected:
    ArchiveTable(QString caption, int rowCount, int valueCount);

    QString methodLabel_;
    QList<QStringList> statusCaptions_;
    QList<QStringList> valueCaptions_;
    QStringList valueKeys_;
    QList<int> serviceColumns_;
    ArchiveMeans means_;

private:
    QString caption_;
    int rowCount_;
};
